#include "games/caber/FlightSprite.h"

#include "gui/SpriteHost.h"

#include <cstdlib>

namespace tamba::games {

constexpr POINT FlightSprite::pivots[5];
constexpr POINT FlightSprite::landOffset;
constexpr POINT FlightSprite::touchDown;

namespace {
constexpr int landFrames[22] = {5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
constexpr POINT landOffsets[22] = {{97, 187},  {97, 187},  {97, 187},  {129, 189}, {129, 189}, {129, 189},
                                   {127, 189}, {127, 189}, {127, 189}, {183, 184}, {183, 184}, {183, 184},
                                   {195, 185}, {195, 185}, {195, 185}, {195, 185}, {195, 185}, {195, 185},
                                   {195, 185}, {195, 185}, {195, 185}, {195, 185}};
} // namespace

const gui::FrameSequence FlightSprite::land = {1, landFrames, 22, landOffsets};

FlightSprite::FlightSprite()
    : SequenceSprite(pictureCount, firstPicture, firstPicture), landX_(0), landY_(0), vx_(0), vy_(0),
      flightState_(atRest), ground_(0), vy0_(0) {}

void FlightSprite::startFlight(std::int32_t vx, std::int32_t vy, std::int32_t ground, std::int32_t leftEdge) {
    if (flightState_ != atRest)
        return;
    flightState_ = flying;
    ground_ = ground;
    leftEdge_ = leftEdge;
    vx_ = vx;
    vy0_ = vy;
    vy_ = vy;
    selectFrame(0, false, nullptr);
}

void FlightSprite::advance(bool topmost) {
    if (flightState_ == flying)
        flightStep(topmost);
    else if (flightState_ == landing)
        SequenceSprite::advance(topmost);
}

bool FlightSprite::isFinished() {
    if (flightState_ != landing || !SequenceSprite::isFinished())
        return false;
    flightState_ = atRest;
    return true;
}

void FlightSprite::flightStep(bool topmost) {
    if (host() == nullptr)
        return;
    RECT r;
    host()->getWindowRect(r);
    std::int32_t left = r.left - vx_ / 50;
    std::int32_t top = r.top - vy_ / 50;
    SIZE size;
    frameSet().firstFrameSize(size);
    if (!(left > leftEdge_ && top + size.cy <= ground_)) {
        touchGround(topmost);
        return;
    }
    vy_ -= 100;
    const int cur = currentFrame();
    const std::int32_t half = vy0_ / 2;
    int next = cur;
    if (std::abs(vy_) <= 200 && cur != 2)
        next = 2;
    else if (vy_ >= 200 && vy_ < half && cur != 1)
        next = 1;
    else if (vy_ < -200 && vy_ > -half && cur != 3)
        next = 3;
    else if (vy_ < -half && cur != 4)
        next = 4;
    // Only the flight pictures have pivots; a frame outside them (never shown in flight) keeps its place.
    if (next != cur && cur >= 0 && cur < 5) {
        selectFrame(next, topmost, nullptr);
        left -= pivots[next].x - pivots[cur].x;
        top -= pivots[next].y - pivots[cur].y;
    }
    host()->moveWindowTo(left, top, topmost);
}

void FlightSprite::touchGround(bool topmost) {
    selectFrame(landFrame, topmost, &landOffset);
    RECT r;
    host()->getWindowRect(r);
    const std::int32_t left = r.left - (landOffset.x - touchDown.x);
    const std::int32_t top = r.top - (landOffset.y - touchDown.y);
    host()->moveWindowTo(left, top, topmost);
    landX_ = left;
    landY_ = top;
    flightState_ = landing;
    setSequence(&land);
}

} // namespace tamba::games
