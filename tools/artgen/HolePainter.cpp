#include "HolePainter.h"

#include "Ink.h"

void HolePainter::paint(Canvas& canvas) const {
    auto green = [](Canvas& c) { c.ellipse({15.5, 53}, 13.2, 9.2); };
    canvas.fillOutlined(green, Ink::grass, 2, Ink::outline);
    canvas.crescent(green, Ink::grassShade, -2.5, -2.5);
    canvas.fill([](Canvas& c) { c.ellipse({12, 49.5}, 5, 2.2, -0.15); }, Ink::grass.mix(Ink::foam, 0.45));

    auto cup = [](Canvas& c) { c.ellipse({15.5, 54}, 7.6, 4.5); };
    canvas.fillOutlined(cup, Ink::cup, 1.5, Ink::outline);
    // The lit far wall inside the cup.
    canvas.clipped(cup, [&] {
        canvas.fill(
            [](Canvas& c) {
                c.ellipse({15.5, 50.6}, 7.2, 2.1);
            },
            Ink::grassShade.mix(Ink::cup, 0.35));
    });

    // The pole stands in the middle of the cup.
    auto pole = [](Canvas& c) { c.roundedRect(14, 5, 3.2, 50, 1.6); };
    canvas.fillOutlined(pole, Ink::clubShaft, 1.5, Ink::outline);
    canvas.crescent(pole, Ink::clubHead, -1.2, 0);
    canvas.fillOutlined([](Canvas& c) { c.ellipse({15.6, 4.6}, 2.8, 2.8); }, Ink::crest, 1.5, Ink::outline);
    auto banner = [](Canvas& c) {
        c.moveTo({17.5, 7});
        c.curveTo({26, 5}, {36, 11}, {49.5, 11.5});
        c.curveTo({40, 15}, {28, 20}, {17.5, 25});
        c.closePath();
    };
    canvas.fillOutlined(banner, Ink::clubGrip, 2, Ink::outline);
    canvas.crescent(banner, Ink::clubGrip.mix(Ink::outline, 0.3), -2.5, -2.5);
}
