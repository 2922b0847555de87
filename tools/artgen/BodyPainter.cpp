#include "BodyPainter.h"

#include "FishPainter.h"
#include "Ink.h"
#include "Tube.h"

#include <cmath>

namespace {

constexpr double torsoLength = 21; // half length along the axis
constexpr double torsoWidth = 15;  // half width across
constexpr double headScale = 0.62;
constexpr double line = 2.0;

Point direction(double angle) {
    return {std::cos(angle), std::sin(angle)};
}

Point bellyDirection(const BodyPainter::Pose& p) {
    Point a = direction(p.axis);
    return p.bellyClockwise ? Point{-a.y, a.x} : Point{a.y, -a.x};
}

// Of a tube's two sides, the one facing away from the upper-left light.
double shadedSide(const Tube& tube) {
    Point n = tube.at(0.5, 1) - tube.at(0.5, 0);
    return n.x + n.y > 0 ? 1 : -1;
}

void spike(Canvas& c, Point b, Point d, double len, double w) {
    Point n = d.perp();
    c.smoothClosed({b - d * 3 + n * (w * 0.4), b + n * (w * 0.5), b + d * (len * 0.5) + n * (w * 0.34),
                    b + d * (len - 1.6) + n * (w * 0.2), b + d * len, b + d * (len - 1.6) - n * (w * 0.2),
                    b + d * (len * 0.5) - n * (w * 0.34), b - n * (w * 0.5), b - d * 3 - n * (w * 0.4)},
                   1.0);
}

} // namespace

Point BodyPainter::local(const Pose& pose, double u, double v) {
    return pose.torso + direction(pose.axis) * u + bellyDirection(pose) * v;
}

void BodyPainter::paint(Canvas& c, const Pose& pose) const {
    paintLimb(c, pose.farArm, true);
    paintLimb(c, pose.farLeg, true);
    paintTail(c, pose);
    // Spikes along the back, leaning towards the tail.
    const Point a = direction(pose.axis), belly = bellyDirection(pose);
    for (double u : {-11.0, -1.0, 9.0}) {
        double across = torsoWidth * std::sqrt(std::max(0.0, 1 - (u / torsoLength) * (u / torsoLength)));
        Point base = pose.torso + a * u - belly * (across - 1.5);
        Point d = (belly * -0.85 - a * 0.55).normalized();
        auto shape = [=](Canvas& k) { spike(k, base, d, 8, 8); };
        c.fillOutlined(shape, Ink::crest, line, Ink::outline);
        c.crescent(shape, Ink::crestShade, -1.8, -1.8);
    }
    paintNeck(c, pose);
    paintTorso(c, pose);
    paintLimb(c, pose.nearLeg, false);
    paintHead(c, pose);
    if (pose.net.shown)
        paintNet(c, pose);
    paintLimb(c, pose.nearArm, false);
}

void BodyPainter::paintLimb(Canvas& c, const Limb& limb, bool far) const {
    const Color fill = far ? Ink::farLimb : Ink::body;
    const Color shade = far ? Ink::farLimbShade : Ink::bodyShade;
    const Point d = (limb.tip - limb.anchor).normalized();
    const Tube tube({limb.anchor, limb.anchor.lerp(limb.tip, 0.5), limb.tip - d * 2}, 9, 7, 8);
    auto arm = [&](Canvas& k) { tube.outline(k); };
    c.fillOutlined(arm, fill, line, Ink::outline);
    c.crescent(arm, shade, -2, -2);
    // The flipper: a flat paddle at the end, turned a little off the limb's line.
    const Point paddle = limb.tip + d * 1.5;
    auto flipper = [&](Canvas& k) { k.ellipse(paddle, 6.2, 4.0, std::atan2(d.y, d.x) + 0.35); };
    c.fillOutlined(flipper, fill, line, Ink::outline);
    c.crescent(flipper, shade, -1.8, -1.8);
}

void BodyPainter::paintTail(Canvas& c, const Pose& pose) const {
    if (pose.tail.size() < 2)
        return;
    const Tube tube(pose.tail, 15, 4, 24);
    auto whole = [&](Canvas& k) { tube.outline(k); };
    c.fillOutlined(whole, Ink::body, line, Ink::outline);
    const double side = shadedSide(tube);
    c.clipped(whole,
              [&] { c.fill([&](Canvas& k) { tube.strip(k, side * 0.35, side * 1.3); }, Ink::bodyShade); });
    // The fin at the tip.
    const Point tip = tube.at(1, 0);
    const Point d = tube.direction(1);
    auto fin = [&](Canvas& k) { spike(k, tip - d * 1.5, d, 11, 10); };
    c.fillOutlined(fin, Ink::crest, line, Ink::outline);
    c.crescent(fin, Ink::crestShade, -1.8, -1.8);
}

void BodyPainter::paintNeck(Canvas& c, const Pose& pose) const {
    const Tube tube(pose.neck, 13, 9.5, 24);
    auto whole = [&](Canvas& k) { tube.outline(k); };
    c.fillOutlined(whole, Ink::body, line, Ink::outline);
    // Belly stripe on the front, shade on the side away from the light.
    const Point belly = bellyDirection(pose);
    const Point n = tube.at(0.5, 1) - tube.at(0.5, 0);
    const double front = n.x * belly.x + n.y * belly.y > 0 ? 1 : -1;
    const double shade = shadedSide(tube);
    c.clipped(whole, [&] {
        if (shade != front)
            c.fill([&](Canvas& k) { tube.strip(k, shade * 0.4, shade * 1.3); }, Ink::bodyShade);
        else
            c.fill([&](Canvas& k) { tube.strip(k, shade * 0.82, shade * 1.3); }, Ink::bodyShade);
        c.fill([&](Canvas& k) { tube.strip(k, front * 0.05, front * 0.72); }, Ink::belly);
        for (double t = 0.12; t < 0.95; t += 0.11)
            c.stroke(
                [&](Canvas& k) {
                    k.moveTo(tube.at(t, front * 0.05));
                    k.lineTo(tube.at(t, front * 0.72));
                },
                Ink::bellyLine, 1.2, false);
    });
}

void BodyPainter::paintTorso(Canvas& c, const Pose& pose) const {
    auto torso = [&](Canvas& k) { k.ellipse(pose.torso, torsoLength, torsoWidth, pose.axis); };
    c.fillOutlined(torso, Ink::body, line, Ink::outline);
    c.crescent(torso, Ink::bodyShade, -3.5, -3.5);
    c.crescent(torso, Ink::bodyRim, 1.6, 1.6);
    const Point a = direction(pose.axis), belly = bellyDirection(pose);
    c.clipped(torso, [&] {
        auto plate = [&](Canvas& k) { k.ellipse(pose.torso + belly * 7.5, 18, 9.5, pose.axis); };
        c.fillOutlined(plate, Ink::belly, 1.2, Ink::bellyLine);
        for (double u = -12; u <= 12; u += 5)
            c.stroke(
                [&](Canvas& k) {
                    k.moveTo(pose.torso + a * u + belly * 1.5);
                    k.lineTo(pose.torso + a * u + belly * 16);
                },
                Ink::bellyLine, 1.2, false);
    });
}

void BodyPainter::paintHead(Canvas& c, const Pose& pose) const {
    const size_t n = pose.neck.size();
    const Point end = pose.neck[n - 1];
    const Point d = (pose.neck[n - 1] - pose.neck[n - 2]).normalized();
    const double angle = std::atan2(d.y, d.x) + M_PI / 2 + pose.headTilt;
    CharacterPainter::Lines lines;
    lines.silhouette = line;
    lines.eye = 1.5;
    lines.detail = 1.2;
    c.save();
    c.translate(end.x + d.x * 1.5, end.y + d.y * 1.5);
    c.rotate(angle);
    c.scale(headScale, headScale);
    c.translate(-CharacterPainter::neckTopX, -CharacterPainter::neckTopY);
    CharacterPainter(lines).paintHead(c, pose.face);
    c.restore();
}

void BodyPainter::paintNet(Canvas& c, const Pose& pose) const {
    const Net& net = pose.net;
    const Point d = direction(net.bagAngle);
    const Point n = d.perp();
    const double r = net.radius;
    const Point centre = net.hoop;
    const double hoopAngle = std::atan2(n.y, n.x);

    // Stick from the hand to the near side of the hoop.
    const Point grip = hand(pose);
    const Point toHoop = (centre - grip).normalized();
    const Point rim = centre - toHoop * (r * 0.8);
    auto stick = [&](Canvas& k) {
        k.moveTo(grip);
        k.lineTo(rim);
    };
    c.stroke(stick, Ink::outline, 3 + 2 * line);
    c.stroke(stick, Ink::netStick, 3);

    auto bag = [&](Canvas& k) {
        k.smoothClosed({centre + n * r, centre + n * (r * 0.85) + d * (r * 0.9), centre + d * (r * 1.6),
                        centre - n * (r * 0.85) + d * (r * 0.9), centre - n * r},
                       1.0);
    };
    auto mesh = [&] {
        for (double t = -3 * r; t <= 3 * r; t += 3.4) {
            c.stroke(
                [&](Canvas& k) {
                    k.moveTo(centre + Point{t - 2 * r, -2 * r});
                    k.lineTo(centre + Point{t + 2 * r, 2 * r});
                },
                Ink::netMeshLine, 1.0, false);
            c.stroke(
                [&](Canvas& k) {
                    k.moveTo(centre + Point{t + 2 * r, -2 * r});
                    k.lineTo(centre + Point{t - 2 * r, 2 * r});
                },
                Ink::netMeshLine, 1.0, false);
        }
    };
    c.fillOutlined(bag, Ink::netMesh, line, Ink::outline);
    c.clipped(bag, mesh);

    if (net.fishKind >= 0) {
        // The catch sits in the bag with its head and eye above the rim; the front of the mesh hides the
        // rest.
        const Point eye = centre - d * (r * net.squash + 4.5) + n * (net.fishFacingRight ? 3.0 : -3.0);
        FishPainter(net.fishKind).paintAt(c, eye, 0.9, net.fishFacingRight);
        c.save();
        c.clipped(
            [&](Canvas& k) {
                k.moveTo(centre + n * (r + 4) - d * 0.5);
                k.lineTo(centre - n * (r + 4) - d * 0.5);
                k.lineTo(centre - n * (r + 4) + d * (r * 2));
                k.lineTo(centre + n * (r + 4) + d * (r * 2));
                k.closePath();
            },
            [&] {
                c.fillOutlined(bag, Ink::netMesh, line, Ink::outline);
                c.clipped(bag, mesh);
            });
        c.restore();
    }

    auto hoop = [&](Canvas& k) {
        k.ellipse(centre, r + 1.5, r * net.squash + 1.5, hoopAngle);
        k.ellipse(centre, r - 1.5, std::max(0.8, r * net.squash - 1.5), hoopAngle);
    };
    cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_EVEN_ODD);
    c.fillOutlined(hoop, Ink::maskHoop, line, Ink::outline);
    c.crescent(hoop, Ink::maskHoop.mix(Ink::outline, 0.3), -1.2, -1.2);
    cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_WINDING);
}
