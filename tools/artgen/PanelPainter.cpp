#include "PanelPainter.h"

#include "Ink.h"
#include "TextPainter.h"

#include <cmath>

void PanelPainter::background(Canvas& canvas, double rays) const {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(gradient, 0, Ink::panelTop.r, Ink::panelTop.g, Ink::panelTop.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, Ink::panelBottom.r, Ink::panelBottom.g, Ink::panelBottom.b);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);

    // Light shafts fanning down from above the top-left corner, fading out with depth.
    const Point source{w * 0.18, -h * 0.35};
    const double angles[] = {0.30, 0.52, 0.78, 1.02, 1.28};
    const double widths[] = {0.07, 0.045, 0.06, 0.04, 0.05};
    for (int i = 0; i < 5; ++i) {
        double a0 = angles[i] - widths[i] / 2, a1 = angles[i] + widths[i] / 2;
        double reach = h * 2.2;
        cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgba(fade, 0, 0.55, 0.8, 1.0, 0.085 * rays);
        cairo_pattern_add_color_stop_rgba(fade, 0.8, 0.55, 0.8, 1.0, 0.0);
        cairo_new_path(cr);
        cairo_move_to(cr, source.x, source.y);
        // Angles measured from straight down, positive towards the right.
        cairo_line_to(cr, source.x + std::sin(a0) * reach, source.y + std::cos(a0) * reach);
        cairo_line_to(cr, source.x + std::sin(a1) * reach, source.y + std::cos(a1) * reach);
        cairo_close_path(cr);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }

    // A darker swell along the bottom.
    const Color deep = Ink::panelBottom.mix(Color(0, 0, 0), 0.25);
    canvas.fill(
        [&](Canvas& c) {
            double y = h - 34;
            c.moveTo({0, y + 6});
            for (int k = 0; k < 4; ++k) {
                double x0 = w * k / 4, x1 = w * (k + 1) / 4;
                c.curveTo({x0 + (x1 - x0) * 0.3, y - 4}, {x0 + (x1 - x0) * 0.7, y - 4}, {x1, y + 6});
            }
            c.lineTo({w, h});
            c.lineTo({0, h});
            c.closePath();
        },
        deep);
}

void PanelPainter::bubble(Canvas& canvas, Point centre, double radius, bool opaque) const {
    auto ball = [&](Canvas& c) { c.ellipse(centre, radius, radius); };
    canvas.fillOutlined(ball, opaque ? Ink::bubble.mix(Ink::water, 0.35) : Ink::bubble.withAlpha(0.35),
                        opaque ? 1.5 : 1.0, Ink::outline);
    canvas.stroke(ball, Ink::bubble, radius > 3 ? 1.5 : 1.2);
    canvas.fill(
        [&](Canvas& c) {
            c.ellipse(centre + Point{-radius * 0.38, -radius * 0.38}, radius * 0.3, radius * 0.3);
        },
        Ink::bubble);
}

void PanelPainter::frame(Canvas& canvas) const {
    canvas.stroke([&](Canvas& c) { c.roundedRect(3.5, 3.5, canvas.width() - 7, canvas.height() - 7, 8); },
                  Ink::underwater.withAlpha(0.55), 1.5);
}

void PanelPainter::closeMark(Canvas& canvas, int left, int top, int right, int bottom) const {
    // The outline reaches 2 px past the light stroke's ends: keep the ends 2.5 px inside the box.
    const double l = left + 2.5, t = top + 2.5, r = right - 2.5, b = bottom - 2.5;
    auto cross = [=](Canvas& c) {
        c.moveTo({l, t});
        c.lineTo({r, b});
        c.moveTo({r, t});
        c.lineTo({l, b});
    };
    canvas.stroke(cross, Ink::outline, 4.5);
    canvas.stroke(cross, Ink::foam, 2);
}

void PanelPainter::header(Canvas& canvas, const char* title, double size, double baseline) const {
    background(canvas, 0.6);
    frame(canvas);
    closeMark(canvas, 342, 12, 351, 21);
    TextPainter("Comic Neue", true, size)
        .drawTitle(canvas, 22, baseline, title, Ink::fishHighlight, Ink::crest, 2.5, Ink::outline,
                   TextPainter::Align::Left);
}

void PanelPainter::instructionsHeader(Canvas& canvas, const char* title) const {
    header(canvas, title, 34, 50);
}

void PanelPainter::scoreCardHeader(Canvas& canvas, const char* title) const {
    header(canvas, title, 30, 48);
}

void PanelPainter::instructionsBody(Canvas& canvas, std::initializer_list<const char*> steps) const {
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({22, 66});
            c.lineTo({340, 66});
        },
        Ink::underwater, 2);

    const TextPainter heading("Comic Neue", true, 17);
    const TextPainter body("DejaVu Sans", false, 12.5);
    const double left = 24, width = 324, step = 17;
    double y = 92;
    heading.draw(canvas, left, y, "How to play", Ink::ripple, 0, Ink::outline);
    y += 22;
    for (const char* text : steps)
        y = body.drawWrapped(canvas, left, y, width, step, text, Ink::foam) + 7;

    // Play button, its outline inside the click box.
    auto button = [](Canvas& c) { c.roundedRect(288, 262, 56, 35, 9); };
    canvas.fillOutlined(button, Ink::crest, 2, Ink::outline);
    canvas.crescent(button, Ink::crestShade, -2.5, -2.5);
    TextPainter("Comic Neue", true, 18)
        .draw(canvas, 316, 285.5, "Play", Ink::outline, 0, Ink::outline, TextPainter::Align::Centre);
    TextPainter("DejaVu Sans", false, 11)
        .draw(canvas, 276, 284, "Ready?", Ink::ripple, 0, Ink::outline, TextPainter::Align::Right);
}
