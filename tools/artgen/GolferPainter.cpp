#include "GolferPainter.h"

#include "Ink.h"
#include "Tube.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double line = 2.0;
const Point centre{55, 55};
// The club head's half length across the shaft and half width along it, outline not included.
constexpr double headHalfLength = 5.6;
constexpr double headHalfWidth = 3.1;

const Rect boxes[GolferPainter::aims] = {
    {101, 60, 119, 78}, {92, 77, 110, 95}, {78, 88, 96, 106}, {54, 94, 72, 112},
    {31, 96, 49, 110},  {14, 93, 32, 111}, {7, 79, 25, 97},   {0, 55, 18, 73},
    {-2, 56, 14, 73},   {1, 12, 19, 30},   {13, 3, 31, 21},   {38, -4, 56, 14},
    {60, -7, 78, 11},   {76, -2, 94, 16},  {88, 11, 106, 29}, {97, 38, 115, 56}};

// Axes on the ground: origin, forward and the left of someone facing forward (seen from above).
struct Axes {
    Point origin, forward, left;

    Point at(double u, double v) const { return origin + forward * u + left * v; }
    Point dir(double u, double v) const { return (forward * u + left * v).normalized(); }
    double angle() const { return std::atan2(forward.y, forward.x); }
    // Turned towards the left by a radians, about a new origin.
    Axes turned(double a, Point o) const {
        const Point f = forward * std::cos(a) + left * std::sin(a);
        return {o, f, f.perp()};
    }
};

// Where everything is for one pose, in the ground axes (u towards the ball, v towards the target).
struct Stance {
    double bodyTurn = 0; // radians towards the target
    double headTurn = 0; // where the head looks, from the ball towards the target
    double lean = 0;     // torso and head shifted towards the target
    Point hands;
    Point club; // the club head's centre
    bool shading = false;
    bool swish = false;
};

Stance stance(int pose, Point ball) {
    switch (pose) {
    case 0:
        return {0, 0, 0, {21, 10}, ball};
    case 1: // club raised back over the right shoulder, eyes on the ball
        return {-0.45, 0, 0, {8, -17}, {-14, -40}};
    case 2: // just after the hit, the club swung through towards the target
        return {0.35, 0.25, 0, {19, 13}, {24, 39}, false, true};
    case 3: // the finish, club wrapped round behind the left shoulder, head turning after the ball
        return {0.8, 1.25, 1, {3, 18}, {-26, 30}};
    case 4: // watching the ball, a flipper shading the eyes, the club resting in the other
        return {0.9, 1.45, 1, {17, -8}, {40, -19}, true};
    default: // the same, leaning after the ball
        return {1.0, 1.62, 4, {18, -5}, {41, -14}, true};
    }
}

// A rounded spike from base b along unit direction d.
void spike(Canvas& c, Point b, Point d, double len, double w) {
    const Point n = d.perp();
    c.smoothClosed({b - d * 3 + n * (w * 0.4), b + n * (w * 0.5), b + d * (len * 0.5) + n * (w * 0.34),
                    b + d * (len - 1.6) + n * (w * 0.2), b + d * len, b + d * (len - 1.6) - n * (w * 0.2),
                    b + d * (len * 0.5) - n * (w * 0.34), b - n * (w * 0.5), b - d * 3 - n * (w * 0.4)},
                   1.0);
}

void orangeSpike(Canvas& c, Point b, Point d, double len, double w) {
    auto shape = [=](Canvas& k) { spike(k, b, d, len, w); };
    c.fillOutlined(shape, Ink::crest, line, Ink::outline);
    c.crescent(shape, Ink::crestShade, -1.8, -1.8);
}

// An arm or leg with its flat flipper; the paddle turned paddleTurn off the limb's line.
void arm(Canvas& c, Point anchor, Point tip, bool far) {
    const Point d = (tip - anchor).normalized();
    const Tube tube({anchor, anchor.lerp(tip, 0.5), tip - d * 2}, 8.5, 7, 8);
    auto shape = [&](Canvas& k) { tube.outline(k); };
    c.fillOutlined(shape, far ? Ink::farLimb : Ink::body, line, Ink::outline);
    c.crescent(shape, far ? Ink::farLimbShade : Ink::bodyShade, -2, -2);
}

void paddle(Canvas& c, Point centre, double angle, bool far) {
    auto shape = [&](Canvas& k) { k.ellipse(centre, 6, 3.9, angle); };
    c.fillOutlined(shape, far ? Ink::farLimb : Ink::body, line, Ink::outline);
    c.crescent(shape, far ? Ink::farLimbShade : Ink::bodyShade, -1.6, -1.6);
}

void limb(Canvas& c, Point anchor, Point tip, bool far, double paddleTurn = 0.35) {
    const Point d = (tip - anchor).normalized();
    arm(c, anchor, tip, far);
    paddle(c, tip + d * 1.5, std::atan2(d.y, d.x) + paddleTurn, far);
}

void paintClub(Canvas& c, Point hands, Point head) {
    const Point g = (head - hands).normalized();
    const Point butt = hands - g * 5;
    auto shaft = [&](Canvas& k) {
        k.moveTo(hands);
        k.lineTo(head - g * headHalfWidth);
    };
    c.stroke(shaft, Ink::outline, 3 + 2 * line);
    c.stroke(shaft, Ink::clubShaft, 3);
    auto grip = [&](Canvas& k) {
        k.moveTo(butt);
        k.lineTo(hands + g * 4);
    };
    c.stroke(grip, Ink::outline, 4 + 2 * line);
    c.stroke(grip, Ink::clubGrip, 4);
    // The head across the shaft's end, like a small hammer seen from above.
    auto blade = [&](Canvas& k) {
        const Point n = g.perp();
        const Point toe = head + n * headHalfLength, heel = head - n * headHalfLength;
        k.moveTo(toe + g * headHalfWidth);
        k.lineTo(toe - g * headHalfWidth);
        k.lineTo(heel - g * headHalfWidth);
        k.lineTo(heel + g * headHalfWidth);
        k.closePath();
    };
    c.fillOutlined(blade, Ink::clubHead, line, Ink::outline);
    c.crescent(blade, Ink::clubHead.mix(Ink::outline, 0.3), -1.2, -1.2);
}

// The head from above: snout forward, both big eyes on top, crest fanning out at the back.
void paintHead(Canvas& c, const Axes& h) {
    orangeSpike(c, h.at(-8, 0), h.dir(-1, 0), 14, 10.5);
    orangeSpike(c, h.at(-6, 5.5), h.dir(-1, 0.9), 12, 9.5);
    orangeSpike(c, h.at(-6, -5.5), h.dir(-1, -0.9), 12, 9.5);
    auto skull = [&](Canvas& k) {
        k.smoothClosed({h.at(12.5, 0), h.at(10.8, 4.3), h.at(6, 7.9), h.at(-2.4, 9.6), h.at(-9.6, 7.2),
                        h.at(-12.5, 0), h.at(-9.6, -7.2), h.at(-2.4, -9.6), h.at(6, -7.9), h.at(10.8, -4.3)},
                       1.0);
    };
    c.fillOutlined(skull, Ink::body, line, Ink::outline);
    c.crescent(skull, Ink::bodyShade, -3, -3);
    c.crescent(skull, Ink::bodyRim, 1.5, 1.5);
    for (double side : {-1.0, 1.0}) {
        c.fill([&](Canvas& k) { k.ellipse(h.at(-4.5, side * 6.6), 2.2, 2.9, h.angle()); }, Ink::cheek);
        c.fill([&](Canvas& k) { k.ellipse(h.at(10.6, side * 2.1), 0.9, 0.9); }, Ink::outline);
    }
    for (double side : {-1.0, 1.0}) {
        const Point eye = h.at(2.8, side * 5.1);
        auto ball = [&](Canvas& k) { k.ellipse(eye, 5.3, 4.9, h.angle()); };
        c.fillOutlined(ball, Ink::eyeWhite, 1.5, Ink::outline);
        c.crescent(ball, Ink::eyeShade, -1.5, -1.5);
        const Point pupil = eye + h.forward * 2.0;
        c.fill([&](Canvas& k) { k.ellipse(pupil, 2.6, 2.6); }, Ink::outline);
        c.fill([&](Canvas& k) { k.ellipse(pupil + Point{-0.9, -1.0}, 1.0, 1.0); }, Ink::catchlight);
    }
}

void paintSwish(Canvas& c, const Axes& g, const Stance& s) {
    // Two thick light arcs trailing the club head back towards where the ball was.
    const double a1 = std::atan2(s.club.y, s.club.x) - 0.3;
    for (int k = 0; k < 2; ++k) {
        const double r = 35 + 6.5 * k;
        auto arc = [&](Canvas& p) {
            const int steps = 12;
            for (int i = 0; i <= steps; ++i) {
                const double a = 0.1 + (a1 - 0.1) * i / steps;
                const Point q = g.at(r * std::cos(a), r * std::sin(a));
                if (i == 0)
                    p.moveTo(q);
                else
                    p.lineTo(q);
            }
        };
        c.stroke(arc, Ink::outline, 3 + 4);
        c.stroke(arc, Ink::bubble, 3);
    }
}

} // namespace

int GolferPainter::picture(int aim, int pose) {
    return aim == 0 ? 961 + pose : 811 + 10 * (aim - 1) + pose;
}

Rect GolferPainter::headBox(int aim) {
    return boxes[aim];
}

void GolferPainter::paint(Canvas& c, int aim, int pose) const {
    const Rect box = headBox(aim);
    // The middle of the part of the box that lies in the frame: where the box reaches past an edge, the
    // head lies at that edge.
    auto middle = [](int lo, int hi) { return (std::max(lo, 0) + std::min(hi, size)) / 2.0; };
    const Point spot{middle(box.left, box.right), middle(box.top, box.bottom)};
    const Point forward = (spot - centre).normalized();
    const Axes ground{centre, forward, forward.perp()};
    const Stance s = stance(pose, Point{(spot - centre).length(), 0});
    const Axes body = ground.turned(s.bodyTurn, ground.at(-5, s.lean));
    const Axes head = ground.turned(s.headTurn, body.at(13, -1) + ground.left * (s.lean * 0.5));

    if (s.swish)
        paintSwish(c, ground, s);
    // Feet planted apart along the target line, under the body.
    limb(c, ground.at(-5, -9), ground.at(5, -19), true);
    limb(c, ground.at(-5, 9), ground.at(5, 19), true, -0.35);

    const Tube tail({body.at(-8, -2), body.at(-19, -6), body.at(-28, -13), body.at(-31, -23)}, 14, 4.5, 24);
    auto tailShape = [&](Canvas& k) { tail.outline(k); };
    c.fillOutlined(tailShape, Ink::body, line, Ink::outline);
    c.crescent(tailShape, Ink::bodyShade, -2.2, -2.2);
    orangeSpike(c, tail.at(1, 0) - tail.direction(1) * 1.5, tail.direction(1), 10, 9);

    auto torso = [&](Canvas& k) { k.ellipse(body.origin, 13, 17, body.angle()); };
    c.fillOutlined(torso, Ink::body, line, Ink::outline);
    c.crescent(torso, Ink::bodyShade, -3.4, -3.4);
    c.crescent(torso, Ink::bodyRim, 1.6, 1.6);

    const Tube neck({body.at(0, 0), body.at(5, 0.5), head.at(-5, 0)}, 13, 10.5, 12);
    auto neckShape = [&](Canvas& k) { neck.outline(k); };
    c.fillOutlined(neckShape, Ink::body, line, Ink::outline);
    c.crescent(neckShape, Ink::bodyShade, -2, -2);

    const Point hands = ground.at(s.hands.x, s.hands.y);
    const Point clubHead = ground.at(s.club.x, s.club.y);
    const Point g = (clubHead - hands).normalized();
    const Point rightShoulder = body.at(3, -14), leftShoulder = body.at(3, 14);
    paintClub(c, hands, clubHead);
    limb(c, rightShoulder, hands + g * 2, false);
    if (!s.shading) {
        limb(c, leftShoulder, hands - g * 1.5, false, -0.35);
        paintHead(c, head);
        return;
    }
    // The left flipper raised to the brow on the target side, the paddle shading that eye.
    const Point brow = head.at(5, 8);
    arm(c, leftShoulder, brow, false);
    paintHead(c, head);
    paddle(c, head.at(6.5, 6.5), head.angle() + 0.5, false);
}
