#include "CharacterPainter.h"

#include "Ink.h"

#include <cmath>
#include <vector>

namespace {

// The head is drawn facing left; facing right mirrors it about this vertical line.
constexpr double headAxis = 40.0;

const Point waterCentre{41.5, 109.0};
constexpr double waterRx = 39.0;
constexpr double waterRy = 8.3;

void headShape(Canvas& c) {
    c.smoothClosed({{41, 12.5},
                    {51, 13.5},
                    {58, 18.5},
                    {61, 27},
                    {59.5, 35},
                    {53.5, 40.5},
                    {44, 43.5},
                    {33, 43.5},
                    {24, 42},
                    {18.5, 38.5},
                    {16.8, 33.5},
                    {18.8, 28.8},
                    {25, 26},
                    {31, 21},
                    {35, 15}},
                   0.9);
}

// A rounded spike from base point b along direction angle a (radians), as long as len, as wide as w.
void spikeShape(Canvas& c, Point b, double a, double len, double w) {
    Point d{std::cos(a), std::sin(a)};
    Point n = d.perp();
    c.smoothClosed({b - d * 3 + n * (w * 0.4), b + n * (w * 0.5), b + d * (len * 0.5) + n * (w * 0.36),
                    b + d * (len - 2.0) + n * (w * 0.24), b + d * len, b + d * (len - 2.0) - n * (w * 0.24),
                    b + d * (len * 0.5) - n * (w * 0.36), b - n * (w * 0.5), b - d * 3 - n * (w * 0.4)},
                   1.0);
}

struct Spike {
    Point base;
    double angleDeg;
    double length;
    double width;
};

const std::vector<Spike>& spikes() {
    static const std::vector<Spike> list = {{{47, 14.5}, -82, 9.5, 9},
                                            {{55.5, 17.5}, -42, 10.5, 10},
                                            {{60, 26}, -5, 10, 10},
                                            {{58.5, 35}, 32, 8.5, 9}};
    return list;
}

const Point backEye{41.6, 16.6};
const Point frontEye{29.4, 19.0};
constexpr double eyeRx = 6.9;
constexpr double eyeRy = 7.9;

} // namespace

void CharacterPainter::eyeArea(double& left, double& top, double& right, double& bottom) {
    left = frontEye.x - eyeRx - 3;
    right = backEye.x + eyeRx + 3;
    top = backEye.y - eyeRy - 3;
    bottom = frontEye.y + eyeRy + 3;
}

Tube CharacterPainter::neck() const {
    return Tube({{43.5, 112.5}, {42.5, 97}, {37.5, 77}, {36.5, 58}, {40, 38}}, 24, 15);
}

void CharacterPainter::paintIdle(Canvas& canvas, const Pose& pose) const {
    paintWaterBack(canvas);
    paintNeck(canvas);
    paintWaterFront(canvas);
    paintHead(canvas, pose);
}

void CharacterPainter::paintFigure(Canvas& canvas, const Pose& pose) const {
    paintNeck(canvas);
    paintHead(canvas, pose);
}

void CharacterPainter::paintWaterBack(Canvas& c) const {
    auto ring = [](Canvas& k) { k.ellipse(waterCentre, waterRx, waterRy); };
    c.fillOutlined(ring, Ink::water, lines_.silhouette, Ink::outline);
    c.crescent(ring, Ink::waterShade, 0, -3.0);
    // Ripples: drawn whole here, the neck then hides what lies behind it.
    c.stroke([](Canvas& k) { k.ellipse({42.5, 109.6}, 30, 5.6); }, Ink::ripple, 1.5);
    c.stroke([](Canvas& k) { k.ellipse({43, 110}, 20.5, 3.7); }, Ink::ripple, 1.5);
}

void CharacterPainter::paintWaterFront(Canvas& c) const {
    // Water in front of the neck's base, then the front halves of the ripples over it.
    auto patch = [](Canvas& k) {
        k.moveTo({28, 109.5});
        k.curveTo({33, 113.2}, {53, 113.2}, {58, 109.5});
        k.lineTo({58, 115.5});
        k.lineTo({28, 115.5});
        k.closePath();
    };
    c.fill(patch, Ink::water);
    c.stroke([](Canvas& k) { k.ellipseArc({43, 110}, 20.5, 3.7, 0.15, M_PI - 0.15); }, Ink::ripple, 1.5);
    c.stroke([](Canvas& k) { k.ellipseArc({42.5, 109.6}, 30, 5.6, 0.3, M_PI - 0.3); }, Ink::ripple, 1.5);
    // Foam where the water meets the neck.
    c.stroke(
        [](Canvas& k) {
            k.moveTo({30, 108.8});
            k.curveTo({35, 112.4}, {51, 112.4}, {56, 108.8});
        },
        Ink::foam, 2.0);
}

void CharacterPainter::paintNeck(Canvas& c) const {
    const Tube tube = neck();
    auto whole = [&](Canvas& k) { tube.outline(k); };
    c.fillOutlined(whole, Ink::body, lines_.silhouette, Ink::outline);
    c.clipped(whole, [&] {
        c.fill([&](Canvas& k) { tube.strip(k, 0.42, 1.2); }, Ink::bodyShade);
        c.fill([&](Canvas& k) { tube.strip(k, -1.2, -0.86, 0.05, 0.9); }, Ink::bodyRim);
        c.fill([&](Canvas& k) { tube.strip(k, -0.6, 0.12); }, Ink::belly);
        // Cross-lines on the belly stripe, evenly spaced along the neck.
        for (double t = 0.14; t < 0.95; t += 0.085)
            c.stroke(
                [&](Canvas& k) {
                    k.moveTo(tube.at(t, -0.6));
                    k.lineTo(tube.at(t + 0.012, 0.12));
                },
                Ink::bellyLine, lines_.detail, false);
    });
}

void CharacterPainter::paintCrest(Canvas& c) const {
    for (const Spike& s : spikes()) {
        double a = s.angleDeg * M_PI / 180;
        auto shape = [&](Canvas& k) { spikeShape(k, s.base, a, s.length, s.width); };
        c.fillOutlined(shape, Ink::crest, lines_.silhouette, Ink::outline);
        c.crescent(shape, Ink::crestShade, -2.0, -2.0);
    }
}

void CharacterPainter::paintHead(Canvas& c, const Pose& pose) const {
    c.save();
    if (pose.facing == Facing::Right) {
        c.translate(2 * headAxis, 0);
        c.scale(-1, 1);
    }
    paintCrest(c);
    c.fillOutlined(headShape, Ink::body, lines_.silhouette, Ink::outline);
    c.crescent(headShape, Ink::bodyShade, -3.2, -3.2);
    c.crescent(headShape, Ink::bodyRim, 1.6, 1.8);
    c.fill([](Canvas& k) { k.ellipse({36.5, 35.2}, 3.7, 2.4); }, Ink::cheek);
    paintMouth(c, pose.mouth);
    // Nostril.
    c.fill([](Canvas& k) { k.ellipse({20.3, 31.6}, 1.0, 1.0); }, Ink::outline);
    paintEye(c, backEye, eyeRx, eyeRy, pose.eyes);
    paintEye(c, frontEye, eyeRx * 0.97, eyeRy * 0.97, pose.eyes);
    if (pose.diveMask)
        paintDiveMask(c);
    c.restore();
}

void CharacterPainter::paintEye(Canvas& c, Point centre, double rx, double ry, Eyes eyes) const {
    auto ball = [&](Canvas& k) { k.ellipse(centre, rx, ry); };
    if (eyes == Eyes::Open) {
        c.fillOutlined(ball, Ink::eyeWhite, lines_.eye, Ink::outline);
        c.crescent(ball, Ink::eyeShade, -1.6, -1.6);
        Point pupil = centre + Point{-1.9, 0.9};
        c.fill([&](Canvas& k) { k.ellipse(pupil, rx * 0.46, ry * 0.49); }, Ink::outline);
        c.fill(
            [&](Canvas& k) {
                k.ellipse(pupil + Point{-0.9, -1.4}, rx * 0.18, rx * 0.18);
            },
            Ink::catchlight);
    } else {
        // The lid keeps the eye's outline, so a blink changes nothing else.
        c.fillOutlined(ball, Ink::body, lines_.eye, Ink::outline);
        c.crescent(ball, Ink::bodyShade, -1.6, -1.6);
        c.stroke(
            [&](Canvas& k) {
                k.moveTo(centre + Point{-rx * 0.68, ry * 0.05});
                k.curveTo(centre + Point{-rx * 0.35, ry * 0.5}, centre + Point{rx * 0.35, ry * 0.5},
                          centre + Point{rx * 0.68, ry * 0.05});
            },
            Ink::outline, lines_.detail);
    }
}

void CharacterPainter::paintMouth(Canvas& c, Mouth mouth) const {
    if (mouth == Mouth::Smile) {
        c.stroke(
            [](Canvas& k) {
                k.smoothOpen({{21.2, 36.4}, {25.5, 38.7}, {30.5, 37.8}});
            },
            Ink::outline, lines_.detail);
        return;
    }
    auto opening = [](Canvas& k) {
        k.moveTo({20.6, 35.6});
        k.curveTo({24, 36.6}, {28.5, 36.4}, {31.8, 35.0});
        k.curveTo({31.6, 40.5}, {22.5, 43.2}, {20.6, 35.6});
        k.closePath();
    };
    c.fillOutlined(opening, Ink::mouth, lines_.detail, Ink::outline);
    c.clipped(opening, [&] { c.fill([](Canvas& k) { k.ellipse({27.2, 41.4}, 4.0, 2.6); }, Ink::tongue); });
}

void CharacterPainter::paintDiveMask(Canvas& c) const {
    // Strap round the back of the head, then the tinted lens in its hoop over both eyes.
    c.fillOutlined(
        [](Canvas& k) {
            k.moveTo({48.5, 12.5});
            k.curveTo({54, 14.5}, {58.5, 18.5}, {61.5, 23.5});
            k.lineTo({60.5, 28});
            k.curveTo({57, 23}, {53, 20}, {48.5, 18.5});
            k.closePath();
        },
        Ink::maskHoop, lines_.silhouette, Ink::outline);
    const Point centre{35.4, 17.8};
    const double angle = -0.12;
    auto lens = [=](Canvas& k) { k.ellipse(centre, 13.2, 9.6, angle); };
    c.fill(lens, Ink::lensTint);
    auto hoop = [=](Canvas& k) {
        k.ellipse(centre, 15.6, 12.0, angle);
        k.ellipse(centre, 12.6, 9.0, angle);
    };
    cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_EVEN_ODD);
    c.fillOutlined(hoop, Ink::maskHoop, lines_.eye, Ink::outline);
    c.crescent(hoop, Ink::maskHoop.mix(Ink::outline, 0.3), -1.2, -1.2);
    cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_WINDING);
    // A glint on the glass.
    c.stroke(
        [=](Canvas& k) {
            k.ellipseArc(centre + Point{-1, -1}, 10, 6.6, M_PI * 1.08, M_PI * 1.38);
        },
        Ink::foam.withAlpha(0.8), 1.6);
}
