#pragma once

#include "Color.h"
#include "Point.h"

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An antialiased ARGB32 drawing surface with the handful of path and paint helpers the painters share.
// Painters draw in the picture's 100 % units; a canvas made for a display scale (percent) maps them onto
// a surface that many times larger, so every scale comes from the same drawing code, crisp.
// Line widths given as "px" are 100 % pixels whatever the painter's own transform, so an outline stays
// 2 px (times the scale) when a painter scales its model up or down.
class Canvas {
public:
    using Path = std::function<void(Canvas&)>;

    Canvas(int width, int height, int percent = 100);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The size in 100 % units, as the painters see it.
    int width() const { return width_; }
    int height() const { return height_; }
    // The surface's size: the 100 % size times the scale, rounded to the nearest pixel (halves up).
    int pixelWidth() const { return pixelWidth_; }
    int pixelHeight() const { return pixelHeight_; }
    int percent() const { return percent_; }
    static int scaled(int length, int percent) { return (length * percent + 50) / 100; }
    cairo_t* cr() { return cr_; }
    cairo_surface_t* surface() { return surface_; }

    // Premultiplied 0xAARRGGBB, row by row from the top, no stride padding; pixelWidth by pixelHeight.
    std::vector<std::uint32_t> pixels();

    void save() { cairo_save(cr_); }
    void restore() { cairo_restore(cr_); }
    void translate(double x, double y) { cairo_translate(cr_, x, y); }
    void scale(double sx, double sy) { cairo_scale(cr_, sx, sy); }
    void rotate(double radians) { cairo_rotate(cr_, radians); }
    // A 100 %-pixel length in current user units.
    double px(double pixels) const;

    // Path building; each adds a closed or open subpath to the current path.
    void moveTo(Point p) { cairo_move_to(cr_, p.x, p.y); }
    void lineTo(Point p) { cairo_line_to(cr_, p.x, p.y); }
    void curveTo(Point c1, Point c2, Point p) { cairo_curve_to(cr_, c1.x, c1.y, c2.x, c2.y, p.x, p.y); }
    void closePath() { cairo_close_path(cr_); }
    void ellipse(Point centre, double rx, double ry, double angle = 0);
    // An open elliptical arc from angle a0 to a1 (radians, clockwise on screen from +x).
    void ellipseArc(Point centre, double rx, double ry, double a0, double a1);
    void rect(double x, double y, double w, double h) { cairo_rectangle(cr_, x, y, w, h); }
    void roundedRect(double x, double y, double w, double h, double r);
    void polygon(const std::vector<Point>& points);
    // A smooth closed curve through every point (Catmull-Rom, drawn as Beziers).
    void smoothClosed(const std::vector<Point>& points, double tension = 1.0);
    // A smooth open curve through every point.
    void smoothOpen(const std::vector<Point>& points, double tension = 1.0);

    // Painting. Each of these takes a path-building function so the same outline can be reused for the
    // dark border, the fill and the clip of the shading.
    void fill(const Path& path, const Color& color);
    // Dark outline of outlinePx pixels fully outside the fill, then the fill itself.
    void fillOutlined(const Path& path, const Color& color, double outlinePx, const Color& ink);
    // Fills the part of the shape that is left uncovered when the shape is moved by (dx, dy) device
    // pixels: with an offset towards the light this is the shade crescent on the far side.
    void crescent(const Path& path, const Color& color, double dx, double dy);
    // Lines drawn inside the shape only.
    void clipped(const Path& clip, const std::function<void()>& paint);
    void stroke(const Path& path, const Color& color, double widthPx, bool roundCaps = true);
    void setSource(const Color& color) { cairo_set_source_rgba(cr_, color.r, color.g, color.b, color.a); }

    // Text as a path, with its baseline starting at (x, y); returns the advance width.
    void textPath(const std::string& family, bool bold, double size, double x, double y,
                  const std::string& text);
    double textWidth(const std::string& family, bool bold, double size, const std::string& text);

private:
    void selectFont(const std::string& family, bool bold, double size);

    int width_;
    int height_;
    int percent_;
    int pixelWidth_;
    int pixelHeight_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};
