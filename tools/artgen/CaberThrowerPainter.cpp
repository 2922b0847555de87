#include "CaberThrowerPainter.h"

#include "CaberLogPainter.h"

#include <algorithm>
#include <cmath>

namespace {

using Pose = BodyPainter::Pose;
using Facing = CharacterPainter::Facing;

// Where a planted foot's limb ends; the paddle below it reaches the frame's bottom.
constexpr double ground = 240;

double rad(double degrees) {
    return degrees * M_PI / 180;
}

// The frame's pieces for one frame, in the torso's own frame (u up the axis, v forward to the belly).
struct Stance {
    double drop = 0; // torso lowered from standing
    double lean = 0; // degrees forward
    double nearStep = 0, farStep = 0;
    double bend = 0;      // knees: feet come up and out
    Point hands;          // where the near flipper ends
    Point farHands;       // where the far flipper ends
    double caberTilt = 0; // degrees forward from upright
};

Stance stance(int frame) {
    if (frame < 6) {
        const double s = std::sin(frame * M_PI / 3);
        // The bob follows the cosine so frames with the same stride still differ.
        const double bob = 2 + 2 * std::cos(frame * M_PI / 3);
        return {bob, 8, 13 * s, -13 * s, 4 * std::abs(s), {14, 27}, {10, 24}, -3};
    }
    switch (frame) {
    case 6:
        return {0, 0, 6, -8, 0, {14, 27}, {10, 24}, 0};
    case 7: // crouching low, the caber's butt cupped at the knees
        return {16, 14, 10, -10, 10, {-2, 28}, {-4, 25}, 2};
    case 8: // straightening, lifting the caber
        return {8, 6, 8, -10, 5, {16, 28}, {13, 25}, 6};
    case 9: // the heave: up on the toes, the caber tipping forward
        return {-2, -4, 6, -12, 0, {32, 26}, {29, 23}, 16};
    case 10: // letting go, flippers following it
        return {-2, -8, 6, -12, 0, {40, 24}, {37, 21}, 26};
    case 11:
        return {0, -6, 6, -12, 0, {40, 22}, {36, 18}, 0};
    default: // both flippers raised, cheering
        return {0, -4, 6, -10, 0, {34, 30}, {36, 22}, 0};
    }
}

BodyPainter::Limb limb(const Pose& p, double u0, double v0, double u1, double v1) {
    return {BodyPainter::local(p, u0, v0), BodyPainter::local(p, u1, v1)};
}

} // namespace

Pose CaberThrowerPainter::pose(int frame) {
    const Stance s = stance(frame);
    Pose p;
    p.torso = {120, 210 + s.drop};
    // Leaning forward turns the axis towards the left.
    p.axis = rad(-90 - s.lean);
    p.bellyClockwise = false;
    auto L = [&](double u, double v) { return BodyPainter::local(p, u, v); };
    p.neck = {L(12, 2), L(30, -1), L(46, 2), L(60, 8)};
    p.tail = {L(-14, -4), L(-26, -16), L(-32, -32), L(-24, -46)};
    p.farArm = limb(p, 6, 6, s.farHands.x, s.farHands.y);
    p.nearArm = limb(p, 6, 9, s.hands.x, s.hands.y);
    // Feet on the ground whatever the drop and lean; a bent knee puts the foot further out.
    p.farLeg = limb(p, -12, 0, -27, s.farStep - s.bend * 0.5);
    p.nearLeg = limb(p, -12, 8, -27, s.nearStep + s.bend);
    p.farLeg.tip.y = ground;
    p.nearLeg.tip.y = ground - (frame < 6 ? std::max(0.0, s.nearStep) * 0.4 : 0);
    p.face = {Facing::Left, CharacterPainter::Eyes::Open,
              frame >= 9 ? CharacterPainter::Mouth::Grin : CharacterPainter::Mouth::Smile, false};
    p.headTilt = frame >= 9 && frame <= 10 ? -0.15 : 0;
    p.net.shown = false;
    return p;
}

bool CaberThrowerPainter::holdsCaber(int frame) {
    return frame <= 10;
}

void CaberThrowerPainter::caber(int frame, Point& butt, Point& top) {
    const Stance s = stance(frame);
    const Pose p = pose(frame);
    // The butt sits in the near flipper; the log leans forward (to the left) by its tilt.
    butt = BodyPainter::local(p, s.hands.x, s.hands.y + 2);
    const double a = rad(-90 - s.caberTilt);
    top = butt + Point{std::cos(a), std::sin(a)} * (CaberLogPainter::length - 4);
}

void CaberThrowerPainter::paint(Canvas& canvas, int frame) const {
    if (holdsCaber(frame)) {
        Point butt, top;
        caber(frame, butt, top);
        // Behind the body so the flippers wrap round it.
        CaberLogPainter().paint(canvas, butt, top);
    }
    BodyPainter().paint(canvas, pose(frame));
}
