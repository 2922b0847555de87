#include "FishPainter.h"

#include "Ink.h"

#include <cmath>

namespace {

// Where the eye of each kind sits, facing right, in frame units.
const Point eyes[3] = {{26.5, 13.2}, {27.0, 13.0}, {25.0, 12.6}};
// The tail's joint with the body, about which a flick turns it.
const Point tailJoints[3] = {{10.5, 15.5}, {9.5, 15.0}, {9.5, 14.5}};

void body(Canvas& c, int kind) {
    switch (kind) {
    case 0:
        c.ellipse({21, 15.5}, 12.2, 10.2);
        break;
    case 1:
        c.smoothClosed({{34.8, 15.5},
                        {30, 9.8},
                        {21, 8.6},
                        {12.5, 11.6},
                        {8.5, 15},
                        {12.5, 18.3},
                        {22, 21.2},
                        {30.5, 20}},
                       1.0);
        break;
    default:
        c.smoothClosed(
            {{33.2, 15}, {28, 7}, {20.5, 3.8}, {13, 9}, {9, 14.5}, {13, 20}, {20.5, 25.6}, {28, 22}}, 1.0);
        break;
    }
}

void tail(Canvas& c, int kind) {
    switch (kind) {
    case 0:
        c.smoothClosed({{12.5, 15.5}, {6.5, 9.5}, {1.8, 5.2}, {3.6, 15.5}, {1.8, 25.8}, {6.5, 21.5}}, 0.7);
        break;
    case 1: // forked
        c.smoothClosed({{12, 13.4},
                        {2.4, 4.6},
                        {5.8, 4.4},
                        {8.6, 11.8},
                        {7.2, 15},
                        {8.6, 18.2},
                        {5.8, 25.6},
                        {2.4, 25.4},
                        {12, 16.6}},
                       0.35);
        break;
    default: // rounded fan
        c.smoothClosed({{11, 14.5}, {5, 9.2}, {2.4, 14.5}, {5, 19.8}}, 1.0);
        break;
    }
}

void fins(Canvas& c, int kind) {
    switch (kind) {
    case 0:
        c.smoothClosed({{13.5, 9}, {16.5, 3}, {21, 1.6}, {26, 3.4}, {26, 8}}, 0.8);
        c.smoothClosed({{15, 24}, {17.5, 27.2}, {22, 26.6}, {21, 24.2}}, 0.8);
        break;
    case 1:
        c.polygon({{14, 10.5}, {16.5, 2.4}, {19, 2.8}, {24, 9.3}});
        c.polygon({{15, 19.5}, {15.5, 25}, {18, 24.6}, {22, 20.6}});
        break;
    default:
        c.smoothClosed({{19.5, 4.6}, {12.5, 1.6}, {8.6, 3.4}, {12.2, 9.5}}, 0.9);
        c.smoothClosed({{19.5, 24.8}, {12.5, 27.6}, {8.6, 25.8}, {12.2, 19.8}}, 0.9);
        break;
    }
}

} // namespace

const FishPainter::Colours& FishPainter::colours(int kind) {
    static const Colours all[3] = {
        {Ink::fishBody, Ink::fishShade, Ink::fishHighlight, Ink::fishFin, Ink::fishBelly},
        {Color::hex(0x7A6CF2), Color::hex(0x5443C9), Color::hex(0xC4BBFF), Color::hex(0x52C8F5),
         Color::hex(0xE3DFFF)},
        {Color::hex(0xC3DE3C), Color::hex(0x8CAE1E), Color::hex(0xEDF8A2), Color::hex(0x62BE44),
         Color::hex(0xF3FAD2)},
    };
    return all[kind];
}

void FishPainter::paint(Canvas& canvas, bool facingRight, bool tailFlicked) const {
    canvas.save();
    if (!facingRight) {
        canvas.translate(37, 0);
        canvas.scale(-1, 1);
    }
    draw(canvas, tailFlicked, facingRight);
    canvas.restore();
}

void FishPainter::paintAt(Canvas& canvas, Point eye, double scale, bool facingRight) const {
    canvas.save();
    canvas.translate(eye.x, eye.y);
    canvas.scale(facingRight ? scale : -scale, scale);
    canvas.translate(-eyes[kind_].x, -eyes[kind_].y);
    draw(canvas, false, facingRight);
    canvas.restore();
}

void FishPainter::draw(Canvas& c, bool tailFlicked, bool facingRight) const {
    const Colours& k = colours(kind_);
    const int kind = kind_;
    const double line = 2.0;

    c.save();
    if (tailFlicked) {
        const Point j = tailJoints[kind];
        c.translate(j.x, j.y);
        c.rotate(-22 * M_PI / 180);
        c.translate(-j.x, -j.y);
    }
    auto tailShape = [kind](Canvas& k2) { tail(k2, kind); };
    c.fillOutlined(tailShape, k.fin, line, Ink::outline);
    c.crescent(tailShape, k.shade.mix(k.fin, 0.45), -1.5, -1.5);
    c.restore();

    auto finShapes = [kind](Canvas& k2) { fins(k2, kind); };
    c.fillOutlined(finShapes, k.fin, line, Ink::outline);

    auto bodyShape = [kind](Canvas& k2) { body(k2, kind); };
    c.fillOutlined(bodyShape, k.body, line, Ink::outline);
    c.crescent(bodyShape, k.shade, -2.4, -2.4);
    c.clipped(bodyShape, [&] {
        // Light belly below with its own soft shade; the disc kind has two dark bands.
        auto bellyShape = [](Canvas& k2) { k2.ellipse({21, 27.5}, 13.5, 7.8); };
        c.fill(bellyShape, k.belly);
        c.crescent(bellyShape, k.belly.mix(k.shade, 0.3), -2, -2);
        if (kind == 2) {
            for (double x : {16.0, 21.5})
                c.fill([&](Canvas& k2) { k2.roundedRect(x, 0, 2.6, 29, 1.2); }, k.shade);
        }
    });
    // The highlight stays on the upper left of the screen when the fish is mirrored.
    if (facingRight)
        c.fill([&](Canvas& k2) { k2.ellipse({17.5, 10.5}, 4.2, 2.2, -0.35); }, k.highlight);
    else
        c.fill([&](Canvas& k2) { k2.ellipse({20.5, 8.6}, 3.4, 1.9, 0.3); }, k.highlight);

    const Point eye = eyes[kind];
    auto ball = [eye](Canvas& k2) { k2.ellipse(eye, 4.0, 4.0); };
    c.fillOutlined(ball, Ink::eyeWhite, 1.0, Ink::outline);
    c.crescent(ball, Ink::eyeShade, -1.0, -1.0);
    c.fill([eye](Canvas& k2) { k2.ellipse(eye + Point{0.9, 0.3}, 2.2, 2.4); }, Ink::outline);
    c.fill([eye](Canvas& k2) { k2.ellipse(eye + Point{0.2, -0.7}, 0.9, 0.9); }, Ink::catchlight);

    // Mouth at the front.
    const Point mouth = kind == 1 ? Point{32.6, 17.6} : kind == 0 ? Point{31.4, 19.2} : Point{30.4, 18.2};
    c.stroke(
        [mouth](Canvas& k2) {
            k2.moveTo(mouth);
            k2.lineTo(mouth + Point{-2.2, 0.6});
        },
        Ink::outline, 1.2);
}
