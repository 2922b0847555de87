#pragma once

#include "Canvas.h"
#include "Color.h"

#include <string>

// Lettering with the house outline: a dark border fully outside the glyphs, like every other shape.
class TextPainter {
public:
    enum class Align { Left, Centre, Right };

    TextPainter(std::string family, bool bold, double size)
        : family_(std::move(family)), bold_(bold), size_(size) {}

    double width(Canvas& canvas, const std::string& text) const;
    // Baseline at y; x is the left edge, centre or right edge by align.
    void draw(Canvas& canvas, double x, double y, const std::string& text, const Color& fill,
              double outlinePx, const Color& ink, Align align = Align::Left) const;
    // The same with a vertical gradient from top to bottom colour over the glyph height and a soft drop
    // shadow, for titles.
    void drawTitle(Canvas& canvas, double x, double y, const std::string& text, const Color& top,
                   const Color& bottom, double outlinePx, const Color& ink,
                   Align align = Align::Centre) const;

    // Left-aligned text broken at spaces to fit width; returns the baseline after the last line.
    double drawWrapped(Canvas& canvas, double x, double y, double width, double lineHeight,
                       const std::string& text, const Color& fill) const;

private:
    double startX(Canvas& canvas, double x, const std::string& text, Align align) const;

    std::string family_;
    bool bold_;
    double size_;
};
