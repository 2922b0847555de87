#include "ThrowLinePainter.h"

#include "Ink.h"

void ThrowLinePainter::paint(Canvas& canvas) const {
    auto turf = [](Canvas& c) { c.ellipse({28.5, 50}, 26, 7.5); };
    canvas.fillOutlined(turf, Ink::grass, 2, Ink::outline);
    canvas.crescent(turf, Ink::grassShade, -2.5, -2.5);
    // The line itself, seen at an angle across the turf.
    auto stripe = [](Canvas& c) { c.polygon({{24, 43.5}, {31, 43.5}, {35, 56.5}, {26, 56.5}}); };
    canvas.fillOutlined(stripe, Ink::foam, 1.5, Ink::outline);

    auto post = [](Canvas& c) { c.roundedRect(26.5, 8, 3.6, 42, 1.8); };
    canvas.fillOutlined(post, Ink::netStick, 1.5, Ink::outline);
    canvas.crescent(post, Ink::palmTrunk, -1.2, 0);
    canvas.fillOutlined([](Canvas& c) { c.ellipse({28.3, 7}, 3, 3); }, Ink::crest, 1.5, Ink::outline);
    auto flag = [](Canvas& c) {
        c.moveTo({26.5, 10});
        c.curveTo({19, 8}, {11, 14}, {4, 13});
        c.curveTo({10, 18}, {18, 25}, {26.5, 27});
        c.closePath();
    };
    canvas.fillOutlined(flag, Ink::clubGrip, 2, Ink::outline);
    canvas.crescent(flag, Ink::clubGrip.mix(Ink::outline, 0.3), -2.5, -2.5);
}
