#include "TargetPainter.h"

#include "Ink.h"

namespace {

const Rect areas[TargetPainter::rings] = {{0, 0, 286, 162}, {60, 20, 227, 114}, {109, 42, 177, 80}};
const Color ringColours[TargetPainter::rings] = {Color::hex(0xFFFFFF), Color::hex(0x47A6EA),
                                                 Color::hex(0xE0524A)};
const Color ringShades[TargetPainter::rings] = {Color::hex(0xD2E6EE), Color::hex(0x2A75C2),
                                                Color::hex(0xB83A36)};

// Width of the dark outline round each ring's ellipse.
const double line = 2.0;

// The ellipse filling a box, less an inset all round.
void ellipseIn(Canvas& c, const Rect& r, double inset) {
    c.ellipse({(r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0}, (r.right - r.left) / 2.0 - inset,
              (r.bottom - r.top) / 2.0 - inset);
}

} // namespace

Rect TargetPainter::bounds(int ring) {
    return areas[ring];
}

void TargetPainter::paint(Canvas& canvas) const {
    for (int ring = 0; ring < rings; ++ring) {
        canvas.fill([&](Canvas& c) { ellipseIn(c, areas[ring], 0); }, Ink::outline);
        auto shape = [&](Canvas& c) { ellipseIn(c, areas[ring], line); };
        canvas.fill(shape, ringColours[ring]);
        canvas.crescent(shape, ringShades[ring], -4, -3);
    }
    // A light glint on the bullseye towards the upper left.
    canvas.fill([](Canvas& c) { c.ellipse({131, 54}, 9, 4, -0.15); }, ringColours[2].mix(Ink::foam, 0.5));
}

void TargetPainter::paintArea(Canvas& canvas, int ring) const {
    // From the ring's outer edge in to where the next ring's fill begins: neighbours share the outline
    // between them, where the order the game tests them in decides, and nowhere else.
    cairo_set_fill_rule(canvas.cr(), CAIRO_FILL_RULE_EVEN_ODD);
    canvas.fill(
        [&](Canvas& c) {
            ellipseIn(c, areas[ring], 0);
            if (ring + 1 < rings)
                ellipseIn(c, areas[ring + 1], line);
        },
        Ink::outline);
    cairo_set_fill_rule(canvas.cr(), CAIRO_FILL_RULE_WINDING);
}
