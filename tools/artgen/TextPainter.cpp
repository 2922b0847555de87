#include "TextPainter.h"

double TextPainter::width(Canvas& canvas, const std::string& text) const {
    return canvas.textWidth(family_, bold_, size_, text);
}

double TextPainter::startX(Canvas& canvas, double x, const std::string& text, Align align) const {
    if (align == Align::Left)
        return x;
    double w = width(canvas, text);
    return align == Align::Centre ? x - w / 2 : x - w;
}

void TextPainter::draw(Canvas& canvas, double x, double y, const std::string& text, const Color& fill,
                       double outlinePx, const Color& ink, Align align) const {
    double x0 = startX(canvas, x, text, align);
    auto glyphs = [&](Canvas& c) { c.textPath(family_, bold_, size_, x0, y, text); };
    if (outlinePx > 0)
        canvas.fillOutlined(glyphs, fill, outlinePx, ink);
    else
        canvas.fill(glyphs, fill);
}

void TextPainter::drawTitle(Canvas& canvas, double x, double y, const std::string& text, const Color& top,
                            const Color& bottom, double outlinePx, const Color& ink, Align align) const {
    double x0 = startX(canvas, x, text, align);
    auto glyphs = [&](Canvas& c) { c.textPath(family_, bold_, size_, x0, y, text); };
    // Shadow, down and right, away from the light.
    canvas.save();
    canvas.translate(2.5, 3.5);
    canvas.fillOutlined(glyphs, ink.withAlpha(0.55), outlinePx, ink.withAlpha(0.55));
    canvas.restore();
    canvas.fillOutlined(glyphs, bottom, outlinePx, ink);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y - size_ * 0.75, 0, y);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
    cairo_new_path(cr);
    glyphs(canvas);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

double TextPainter::drawWrapped(Canvas& canvas, double x, double y, double width, double lineHeight,
                                const std::string& text, const Color& fill) const {
    std::string line;
    size_t at = 0;
    while (at <= text.size()) {
        size_t space = text.find(' ', at);
        if (space == std::string::npos)
            space = text.size();
        const std::string word = text.substr(at, space - at);
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && this->width(canvas, candidate) > width) {
            draw(canvas, x, y, line, fill, 0, fill);
            y += lineHeight;
            line = word;
        } else {
            line = candidate;
        }
        at = space + 1;
    }
    if (!line.empty()) {
        draw(canvas, x, y, line, fill, 0, fill);
        y += lineHeight;
    }
    return y;
}
