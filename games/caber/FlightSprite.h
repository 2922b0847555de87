#pragma once

#include "gui/FrameSequence.h"
#include "gui/SequenceSprite.h"

#include <cstdint>

namespace tamba::games {

// The flying caber: an integer ballistic arc with speeds in fiftieths of a pixel a tick, turning over
// through five pictures each kept on its pivot, then the toppling Land sequence.
class FlightSprite : public gui::SequenceSprite {
public:
    enum FlightState : std::int32_t { atRest = 0, flying = 1, landing = 2 };

    static constexpr int firstPicture = 620;
    static constexpr int pictureCount = 10;
    static constexpr int landFrame = 5;
    static constexpr POINT pivots[5] = {{187, 184}, {190, 182}, {190, 181}, {191, 104}, {185, 40}};
    // Where the toppling caber's foot stands in the first landing picture, and where it touched down.
    static constexpr POINT landOffset = {97, 187};
    static constexpr POINT touchDown = {67, 187};
    static const gui::FrameSequence land;

    FlightSprite();

    // The caber lands when its next step would take it below the ground or to the left edge of the area it
    // is thrown in.
    void startFlight(std::int32_t vx, std::int32_t vy, std::int32_t ground, std::int32_t leftEdge);
    void advance(bool topmost) override;
    bool isFinished() override;

    std::int32_t landX() const { return landX_; }
    std::int32_t landY() const { return landY_; }
    // Back at rest with no landing: a flight cut short by the end of a game must not carry over.
    void reset() {
        landX_ = landY_ = 0;
        flightState_ = atRest;
    }
    std::int32_t vx() const { return vx_; }
    std::int32_t vy() const { return vy_; }
    std::int32_t vy0() const { return vy0_; }
    std::int32_t ground() const { return ground_; }
    FlightState flightState() const { return flightState_; }

private:
    void flightStep(bool topmost);
    void touchGround(bool topmost);

    std::int32_t landX_;
    std::int32_t landY_;
    std::int32_t vx_;
    std::int32_t vy_;
    FlightState flightState_;
    std::int32_t ground_;
    std::int32_t leftEdge_ = 0;
    std::int32_t vy0_;
};

} // namespace tamba::games
