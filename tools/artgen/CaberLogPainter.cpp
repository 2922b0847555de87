#include "CaberLogPainter.h"

#include "Ink.h"

#include <cmath>

namespace {

const Color wood = Color::hex(0xD89A5B);
const Color woodShade = Ink::palmTrunk;
const Color grain = Color::hex(0xF5D7A6);
const Color ring = Color::hex(0xC98A4E);

} // namespace

void CaberLogPainter::paint(Canvas& c, Point butt, Point top) const {
    const Point d = (top - butt).normalized();
    const Point n = d.perp();
    auto log = [&](Canvas& k) {
        k.moveTo(butt + n * buttRadius);
        k.lineTo(top + n * topRadius);
        k.curveTo(top + n * topRadius + d * 2.4, top - n * topRadius + d * 2.4, top - n * topRadius);
        k.lineTo(butt - n * buttRadius);
        k.curveTo(butt - n * buttRadius - d * 2.8, butt + n * buttRadius - d * 2.8, butt + n * buttRadius);
        k.closePath();
    };
    c.fillOutlined(log, wood, 2, Ink::outline);
    // Shade on the side away from the upper-left light, a rim of light on the other.
    c.crescent(log, woodShade, -3, -3);
    c.crescent(log, grain, 1.5, 1.5);
    // A few knots along the log, thick enough to survive the mask.
    for (double t : {0.22, 0.5, 0.78}) {
        const Point k = butt.lerp(top, t) + n * (t == 0.5 ? 1.5 : -1.5);
        c.fill([&](Canvas& p) { p.ellipse(k, 2.0, 1.4, std::atan2(d.y, d.x)); }, ring);
    }
    // End grain of the top, seen a little from the end.
    auto face = [&](Canvas& k) { k.ellipse(top + d * 0.6, 1.8, topRadius - 0.6, std::atan2(d.y, d.x)); };
    c.fill(face, grain);
}

void CaberLogPainter::paintFrom(Canvas& c, Point end, double angle) const {
    const Point d{std::cos(angle), std::sin(angle)};
    // The end's rounded cap reaches about 2 px past its centre line; keep that point on end.
    const Point butt = end + d * 2;
    paint(c, butt, butt + d * (length - 4));
}
