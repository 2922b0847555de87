#include "DiverPainter.h"

#include "Ink.h"
#include "PanelPainter.h"

#include <cmath>

namespace {

using Pose = BodyPainter::Pose;
using Facing = CharacterPainter::Facing;

double rad(double degrees) {
    return degrees * M_PI / 180;
}

// Limbs given in the torso's frame (u along the axis to the neck, v towards the belly).
BodyPainter::Limb limb(const Pose& p, double u0, double v0, double u1, double v1) {
    return {BodyPainter::local(p, u0, v0), BodyPainter::local(p, u1, v1)};
}

Pose upright(Point torso, double lean, int fishKind, bool frame2) {
    Pose p;
    p.torso = torso;
    p.axis = rad(-90 + lean);
    p.bellyClockwise = true;
    auto L = [&](double u, double v) { return BodyPainter::local(p, u, v); };
    const double sway = frame2 ? 3 : 0;
    p.neck = {L(12, 2), L(30, 0), L(48, 4 + sway * 0.5), L(64, 8 + sway)};
    p.tail = {L(-14, -2), L(-30, -8), L(-44, -16 - sway), L(-50, -30 - sway), L(-46, -42 - sway)};
    p.farArm = limb(p, 6, 6, -4, 19 - sway);
    p.farLeg = limb(p, -12, 0, -26, -10 + sway);
    p.nearLeg = limb(p, -12, 8, -27, 15 - sway);
    p.nearArm = limb(p, 6, 9, 14 + sway, 27);
    p.face = {Facing::Right, CharacterPainter::Eyes::Open, CharacterPainter::Mouth::Grin, true};
    p.net.shown = true;
    p.net.hoop = L(30 + sway, 40);
    p.net.bagAngle = rad(90 + lean);
    p.net.radius = 11.5;
    p.net.squash = 0.42;
    p.net.fishKind = fishKind;
    return p;
}

// A swimmer stretched along its axis (degrees): neck ahead, tail trailing, flippers paddling by phase.
// facing: -1 lets the head face the belly's side when the belly is clockwise (right-hand swimmer).
// curled: the tail flicks up over the back instead of trailing straight, so a level swimmer stays clear
// of the frame's sides.
Pose swimmer(Point torso, double axisDegrees, bool bellyClockwise, int facing, int phase,
             bool curled = false) {
    Pose p;
    p.torso = torso;
    p.axis = rad(axisDegrees);
    p.bellyClockwise = bellyClockwise;
    auto L = [&](double u, double v) { return BodyPainter::local(p, u, v); };
    const double wave = (phase % 2 == 0) ? 4 : -4;
    p.neck = {L(12, 0), L(28, -2), L(42, -6), L(54, -14)};
    if (curled)
        p.tail = {L(-14, -1), L(-28, -6 + wave * 0.5), L(-38, -15 + wave * 0.7), L(-40, -28 + wave * 0.5)};
    else
        p.tail = {L(-14, -1), L(-30, -3 + wave * 0.5), L(-44, -2 + wave), L(-56, 3 + wave)};
    p.farArm = limb(p, 7, 5, 2 - wave, 19);
    p.nearArm = limb(p, 6, 9, 0 + wave, 23);
    p.farLeg = limb(p, -12, 2, -26 + wave, 10);
    p.nearLeg = limb(p, -12, 8, -27 - wave, 17);
    // Which way the head looks on screen follows the belly side.
    const bool right = bellyClockwise == (std::cos(p.axis) >= 0) ? facing < 0 : facing > 0;
    p.face = {right ? Facing::Right : Facing::Left, CharacterPainter::Eyes::Open,
              CharacterPainter::Mouth::Grin, true};
    p.headTilt = 0;
    p.net.shown = true;
    p.net.radius = 11.5;
    p.net.squash = 0.5;
    return p;
}

} // namespace

BodyPainter::Pose DiverPainter::standing(Point torso) {
    Pose p = upright(torso, -4, -1, false);
    p.face = {Facing::Right, CharacterPainter::Eyes::Open, CharacterPainter::Mouth::Smile, false};
    p.net.shown = false;
    p.nearArm = limb(p, 6, 9, -6, 22);
    p.nearLeg = limb(p, -12, 8, -30, 10);
    p.farLeg = limb(p, -12, 0, -30, -4);
    return p;
}

BodyPainter::Pose DiverPainter::pose(int frame) {
    const int picture = 400 + frame;
    if (picture >= 414 && picture <= 419)
        return upright({72, 118}, -6, (picture - 414) / 2, (picture - 414) % 2 == 1);
    if (picture == 420)
        return upright({72, 122}, -3, -1, true);
    if (picture <= 402) {
        // Leaving the island head first: arching over, then straight down into the water.
        static const double axes[] = {35, 70, 90};
        static const Point torsos[] = {{74, 66}, {76, 72}, {82, 96}};
        Pose p = swimmer(torsos[frame], axes[frame], true, -1, frame);
        p.net.hoop = BodyPainter::local(p, 2, 34);
        p.net.bagAngle = rad(axes[frame] + 200);
        p.nearArm.tip = BodyPainter::local(p, 4, 22);
        return p;
    }
    if (picture <= 405) {
        // Swimming down, head first; 405 levels out a little.
        const double axis = picture == 405 ? 62 : 88;
        Pose p = swimmer({80, picture == 405 ? 76.0 : 70.0}, axis, true, -1, picture);
        p.net.hoop = BodyPainter::local(p, -26, 26);
        p.net.bagAngle = rad(axis + 180);
        p.nearArm.tip = BodyPainter::local(p, -8, 22);
        return p;
    }
    if (picture <= 409) {
        // Swiping right: body level, facing right, the net sweeping down in front (the catch box is
        // x 38..109, y 68..138).
        static const Point hoops[] = {{62, 74}, {88, 78}, {102, 98}, {92, 124}};
        static const double bags[] = {200, 235, 270, 300};
        const int i = picture - 406;
        Pose p = swimmer({61, 108}, -12, true, -1, i, true);
        p.net.hoop = hoops[i];
        p.net.bagAngle = rad(bags[i]);
        p.nearArm.tip = p.nearArm.anchor + (hoops[i] - p.nearArm.anchor).normalized() * 17;
        return p;
    }
    // Swiping left (410-413): the mirror of the right swipe, lower in the frame (box x 5..82, y 100..176).
    static const Point hoops[] = {{62, 112}, {40, 120}, {28, 142}, {40, 164}};
    static const double bags[] = {-20, -55, -90, -120};
    const int i = picture - 410;
    Pose p = swimmer({99, 132}, 192, false, 1, i, true);
    p.net.hoop = hoops[i];
    p.net.bagAngle = rad(bags[i]);
    p.nearArm.tip = p.nearArm.anchor + (hoops[i] - p.nearArm.anchor).normalized() * 17;
    return p;
}

void DiverPainter::paint(Canvas& canvas, int frame) const {
    const int picture = 400 + frame;
    if (picture == 421)
        return; // the empty frame between dives
    paintEffects(canvas, frame);
    if (picture == 402) {
        // Entering the water: what is below the surface is hidden, a splash rises around the entry.
        const Point centre{82, 164};
        auto water = [=](Canvas& c) { c.ellipse(centre, 62, 13); };
        canvas.fillOutlined(water, Ink::water, 2, Ink::outline);
        canvas.crescent(water, Ink::waterShade, 0, -3);
        canvas.fill([=](Canvas& c) { c.ellipse(centre + Point{6, 5}, 30, 5); }, Ink::underwater);
        canvas.clipped([](Canvas& c) { c.rect(0, 0, width, 160); },
                       [&] { BodyPainter().paint(canvas, pose(frame)); });
        canvas.stroke([=](Canvas& c) { c.ellipseArc(centre, 44, 8, 0.2, M_PI - 0.2); }, Ink::ripple, 1.5);
        for (int side : {-1, 1}) {
            for (int k = 0; k < 3; ++k) {
                const Point base = Point{82.0 + side * (10 + 7 * k), 159.0 + k};
                const Point tip = base + Point{side * (4.0 + 3 * k), -(13.0 - 3 * k)};
                auto drop = [=](Canvas& c) {
                    c.smoothClosed({base + Point{-3.2, 0}, tip, base + Point{3.2, 0}, base + Point{0, 2}},
                                   0.8);
                };
                canvas.fillOutlined(drop, Ink::foam, 1.5, Ink::outline);
            }
        }
        PanelPainter panel;
        panel.bubble(canvas, {40, 136}, 3, true);
        panel.bubble(canvas, {128, 132}, 2.5, true);
        return;
    }
    BodyPainter().paint(canvas, pose(frame));
}

void DiverPainter::paintEffects(Canvas& canvas, int frame) const {
    PanelPainter panel;
    const int picture = 400 + frame;
    if (picture >= 414 && picture <= 420) {
        // Bubbles streaming up past the rising diver.
        const double rise = (picture % 2) * 5;
        panel.bubble(canvas, {34, 40 - rise}, 3.2, true);
        panel.bubble(canvas, {26, 62 - rise}, 2.4, true);
        panel.bubble(canvas, {40, 80 - rise}, 2.8, true);
        panel.bubble(canvas, {120, 160 - rise}, 3.0, true);
        panel.bubble(canvas, {132, 146 - rise}, 2.2, true);
        panel.bubble(canvas, {114, 176 - rise}, 2.6, true);
    }
    if (picture >= 403 && picture <= 405) {
        const double rise = (picture % 2) * 6;
        panel.bubble(canvas, {104, 40 - rise}, 3.0, true);
        panel.bubble(canvas, {112, 22 - rise}, 2.2, true);
        panel.bubble(canvas, {54, 30 - rise}, 2.5, true);
    }
    if (picture >= 406 && picture <= 413 && picture != 406 && picture != 410) {
        // Swish marks trailing the net along its sweep: thick light strokes with their outline.
        const bool right = picture <= 409;
        const Point hoop = pose(frame).net.hoop;
        const Point previous = pose(frame - 1).net.hoop;
        const Point back = previous + (previous - hoop) * 0.15;
        for (int k = 0; k < 2; ++k) {
            const Point offset = (hoop - previous).perp().normalized() * ((right ? 5.0 : -5.0) * (k * 2 - 1));
            auto mark = [=](Canvas& c) {
                c.moveTo(back + offset);
                c.curveTo(back.lerp(hoop, 0.4) + offset * 1.6, back.lerp(hoop, 0.7) + offset * 1.3,
                          hoop.lerp(back, 0.45) + offset);
            };
            canvas.stroke(mark, Ink::outline, 3 + 4);
            canvas.stroke(mark, Ink::bubble, 3);
        }
    }
}
