#include "IslandPainter.h"

#include "BodyPainter.h"
#include "DiverPainter.h"
#include "Ink.h"
#include "TextPainter.h"
#include "Tube.h"

#include <cmath>

namespace {

const Point waterCentre{131, 190.5};
constexpr double waterRx = 128;
constexpr double waterRy = 13.5;

void sand(Canvas& c) {
    c.moveTo({22, 191});
    c.curveTo({40, 160}, {90, 146}, {140, 146});
    c.curveTo({190, 146}, {232, 164}, {242, 191});
    c.curveTo({200, 199}, {70, 199}, {22, 191});
    c.closePath();
}

// A drooping palm leaf from the crown along direction angle (radians), length len.
void leaf(Canvas& c, Point crown, double angle, double len, double droop) {
    const Point d{std::cos(angle), std::sin(angle)};
    const Point n = d.perp();
    const Point down{0, 1};
    auto spine = [&](double t) { return crown + d * (len * t) + down * (droop * t * t); };
    std::vector<Point> pts;
    const int steps = 8;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps;
        pts.push_back(spine(t) + n * (7.5 * std::sin(M_PI * std::min(1.0, t * 1.1))));
    }
    for (int i = steps - 1; i >= 1; --i) {
        double t = static_cast<double>(i) / steps;
        pts.push_back(spine(t) - n * (6.0 * std::sin(M_PI * std::min(1.0, t * 1.1))));
    }
    c.smoothClosed(pts, 0.8);
}

} // namespace

void IslandPainter::paint(Canvas& canvas, bool withCharacter, bool withFlag) const {
    auto water = [](Canvas& c) { c.ellipse(waterCentre, waterRx, waterRy); };
    canvas.fillOutlined(water, Ink::water, 2, Ink::outline);
    canvas.crescent(water, Ink::waterShade, 0, -3);
    canvas.stroke([](Canvas& c) { c.ellipse(waterCentre + Point{0, 0.5}, 118, 9.5); }, Ink::ripple, 1.5);

    canvas.fillOutlined(sand, Ink::sand, 2, Ink::outline);
    canvas.crescent(sand, Ink::sandShade, -5, -5);
    canvas.fill([](Canvas& c) { c.ellipse({96, 160}, 26, 5, -0.12); }, Ink::foam.mix(Ink::sand, 0.55));
    // Foam where the sand meets the water.
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({30, 193.5});
            c.curveTo({80, 201}, {190, 201}, {236, 193.5});
        },
        Ink::foam, 2.2);
    // A shell and a couple of pebbles.
    canvas.fillOutlined([](Canvas& c) { c.ellipse({62, 182}, 4, 2.6); }, Ink::cheek, 1.2, Ink::outline);
    canvas.fillOutlined([](Canvas& c) { c.ellipse({214, 184}, 3, 2); }, Ink::sandShade, 1.2, Ink::outline);

    paintPalm(canvas);
    if (withFlag)
        paintFlag(canvas);
    if (withCharacter)
        BodyPainter().paint(canvas, DiverPainter::standing({188, 137}));
}

void IslandPainter::paintPalm(Canvas& canvas) const {
    const Tube trunk({{112, 174}, {114, 130}, {106, 88}, {94, 52}}, 15, 9, 16);
    auto whole = [&](Canvas& c) { trunk.outline(c); };
    canvas.fillOutlined(whole, Ink::palmTrunk, 2, Ink::outline);
    canvas.clipped(whole, [&] {
        canvas.fill([&](Canvas& c) { trunk.strip(c, 0.35, 1.3); }, Ink::palmTrunk.mix(Ink::outline, 0.25));
        for (double t = 0.08; t < 0.95; t += 0.1)
            canvas.stroke(
                [&](Canvas& c) {
                    c.moveTo(trunk.at(t, -1.2));
                    c.curveTo(trunk.at(t + 0.03, -0.4), trunk.at(t + 0.03, 0.4), trunk.at(t, 1.2));
                },
                Ink::palmTrunk.mix(Ink::outline, 0.45), 1.5, false);
    });

    const Point crown{94, 50};
    const Color backLeaf = Ink::palmLeaf.mix(Ink::outline, 0.3);
    const Color shade = Ink::palmLeaf.mix(Ink::outline, 0.22);
    struct Leaf {
        double angleDeg, length, droop;
        bool back;
    };
    const Leaf leaves[] = {{-160, 52, 26, true}, {-30, 50, 24, true},   {-95, 30, 8, true},
                           {170, 58, 34, false}, {-130, 46, 16, false}, {-55, 46, 14, false},
                           {10, 58, 36, false}};
    for (const Leaf& l : leaves) {
        auto shape = [&](Canvas& c) { leaf(c, crown, l.angleDeg * M_PI / 180, l.length, l.droop); };
        canvas.fillOutlined(shape, l.back ? backLeaf : Ink::palmLeaf, 2, Ink::outline);
        if (!l.back)
            canvas.crescent(shape, shade, -2.5, -2.5);
    }
    const Color nut = Ink::palmTrunk.mix(Ink::outline, 0.35);
    for (const Point& p : {Point{88, 56}, Point{98, 58}, Point{93, 63}})
        canvas.fillOutlined([&](Canvas& c) { c.ellipse(p, 4.6, 4.6); }, nut, 1.5, Ink::outline);
}

void IslandPainter::paintFlag(Canvas& canvas) const {
    // A pole stuck in the sand with a waving banner.
    auto pole = [](Canvas& c) { c.roundedRect(26, 94, 5, 90, 2.5); };
    canvas.fillOutlined(pole, Ink::palmTrunk, 2, Ink::outline);
    canvas.fillOutlined([](Canvas& c) { c.ellipse({28.5, 93}, 4, 4); }, Ink::crest, 1.5, Ink::outline);
    auto banner = [](Canvas& c) {
        c.moveTo({31, 99});
        c.curveTo({52, 93}, {70, 105}, {98, 97});
        c.lineTo({100, 127});
        c.curveTo({72, 135}, {52, 123}, {31, 129});
        c.closePath();
    };
    canvas.fillOutlined(banner, Ink::maskHoop, 2, Ink::outline);
    canvas.crescent(banner, Ink::maskHoop.mix(Ink::outline, 0.25), -3, -3);
    canvas.save();
    canvas.translate(65, 119);
    canvas.rotate(-0.02);
    TextPainter("Comic Neue", true, 15)
        .draw(canvas, 0, 0, "Click me!", Ink::eyeWhite, 1.5, Ink::outline, TextPainter::Align::Centre);
    canvas.restore();
}
