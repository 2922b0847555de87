#include "LogoPainter.h"

#include "CharacterPainter.h"
#include "Ink.h"

#include <cmath>

void LogoPainter::paint(Canvas& canvas, Point centre, double radius) const {
    const double ringWidth = std::max(3.0, radius * 0.09);
    const double outline = radius > 30 ? 2.0 : 1.5;
    const double inner = radius - ringWidth;
    auto outer = [&](Canvas& c) { c.ellipse(centre, radius, radius); };
    auto disc = [&](Canvas& c) { c.ellipse(centre, inner, inner); };

    canvas.fillOutlined(outer, Ink::crest, outline, Ink::outline);
    canvas.crescent(outer, Ink::crestShade, -2, -2);

    cairo_t* cr = canvas.cr();
    canvas.clipped(disc, [&] {
        cairo_pattern_t* sky = cairo_pattern_create_linear(0, centre.y - inner, 0, centre.y + inner);
        cairo_pattern_add_color_stop_rgb(sky, 0, 0.56, 0.86, 1.0);
        cairo_pattern_add_color_stop_rgb(sky, 1, Ink::water.r, Ink::water.g, Ink::water.b);
        cairo_new_path(cr);
        canvas.ellipse(centre, inner, inner);
        cairo_set_source(cr, sky);
        cairo_fill(cr);
        cairo_pattern_destroy(sky);

        // The figure: head near the top of the disc, neck running down into the waves.
        const double s = inner / 50.0;
        CharacterPainter::Lines lines;
        lines.silhouette = outline;
        lines.eye = outline * 0.75;
        lines.detail = outline * 0.7;
        canvas.save();
        canvas.translate(centre.x - 40 * s, centre.y - inner * 0.72 - 9 * s);
        canvas.scale(s, s);
        CharacterPainter(lines).paintFigure(canvas, {CharacterPainter::Facing::Left});
        canvas.restore();

        // Two bands of waves across the lower part of the disc.
        auto wave = [&](double y, double amplitude, double phase) {
            return [=, &centre](Canvas& c) {
                const double left = centre.x - inner - 4, right = centre.x + inner + 4;
                const int humps = 4;
                const double step = (right - left) / humps;
                c.moveTo({left, y});
                for (int k = 0; k < humps; ++k) {
                    double x0 = left + step * k + phase;
                    c.curveTo({x0 + step * 0.25, y - amplitude}, {x0 + step * 0.75, y - amplitude},
                              {x0 + step, y});
                }
                c.lineTo({right + phase, centre.y + inner + 4});
                c.lineTo({left, centre.y + inner + 4});
                c.closePath();
            };
        };
        canvas.fillOutlined(wave(centre.y + inner * 0.30, inner * 0.10, 0), Ink::water, outline,
                            Ink::outline);
        canvas.fillOutlined(wave(centre.y + inner * 0.58, inner * 0.09, -inner * 0.2), Ink::waterShade,
                            outline, Ink::outline);
        canvas.stroke(
            [&](Canvas& c) {
                c.ellipseArc({centre.x - inner * 0.45, centre.y + inner * 0.44}, inner * 0.18, inner * 0.05,
                             0.2, M_PI - 0.2);
            },
            Ink::ripple, outline * 0.8);
    });
    canvas.stroke(disc, Ink::outline, outline);
}
