#include "Canvas.h"

#include <cmath>
#include <stdexcept>

Canvas::Canvas(int width, int height, int percent)
    : width_(width), height_(height), percent_(percent), pixelWidth_(scaled(width, percent)),
      pixelHeight_(scaled(height, percent)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelWidth_, pixelHeight_)),
      cr_(cairo_create(surface_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create cairo surface");
    // The painters' units, and the base the painters' own transforms build on.
    cairo_scale(cr_, pixelWidth_ / static_cast<double>(width_), pixelHeight_ / static_cast<double>(height_));
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::vector<std::uint32_t> Canvas::pixels() {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    std::vector<std::uint32_t> out(static_cast<size_t>(pixelWidth_) * pixelHeight_);
    for (int y = 0; y < pixelHeight_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < pixelWidth_; ++x)
            out[static_cast<size_t>(y) * pixelWidth_ + x] = row[x];
    }
    return out;
}

double Canvas::px(double pixels) const {
    double dx = pixels * percent_ / 100.0, dy = 0;
    cairo_device_to_user_distance(cr_, &dx, &dy);
    return std::hypot(dx, dy);
}

void Canvas::ellipse(Point centre, double rx, double ry, double angle) {
    cairo_save(cr_);
    cairo_translate(cr_, centre.x, centre.y);
    cairo_rotate(cr_, angle);
    cairo_scale(cr_, rx, ry);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr_);
    cairo_restore(cr_);
}

void Canvas::ellipseArc(Point centre, double rx, double ry, double a0, double a1) {
    cairo_save(cr_);
    cairo_translate(cr_, centre.x, centre.y);
    cairo_scale(cr_, rx, ry);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, a0, a1);
    cairo_restore(cr_);
}

void Canvas::roundedRect(double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr_, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void Canvas::polygon(const std::vector<Point>& points) {
    if (points.empty())
        return;
    moveTo(points[0]);
    for (size_t i = 1; i < points.size(); ++i)
        lineTo(points[i]);
    closePath();
}

void Canvas::smoothClosed(const std::vector<Point>& p, double tension) {
    const size_t n = p.size();
    if (n < 3)
        return;
    const double k = tension / 6.0;
    moveTo(p[0]);
    for (size_t i = 0; i < n; ++i) {
        const Point& p0 = p[(i + n - 1) % n];
        const Point& p1 = p[i];
        const Point& p2 = p[(i + 1) % n];
        const Point& p3 = p[(i + 2) % n];
        curveTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
    }
    closePath();
}

void Canvas::smoothOpen(const std::vector<Point>& p, double tension) {
    const size_t n = p.size();
    if (n < 2)
        return;
    const double k = tension / 6.0;
    moveTo(p[0]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const Point& p0 = p[i == 0 ? 0 : i - 1];
        const Point& p1 = p[i];
        const Point& p2 = p[i + 1];
        const Point& p3 = p[i + 2 < n ? i + 2 : n - 1];
        curveTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
    }
}

void Canvas::fill(const Path& path, const Color& color) {
    cairo_new_path(cr_);
    path(*this);
    setSource(color);
    cairo_fill(cr_);
}

void Canvas::fillOutlined(const Path& path, const Color& color, double outlinePx, const Color& ink) {
    cairo_new_path(cr_);
    path(*this);
    setSource(ink);
    cairo_set_line_width(cr_, px(2 * outlinePx));
    cairo_stroke_preserve(cr_);
    setSource(color);
    cairo_fill(cr_);
}

void Canvas::crescent(const Path& path, const Color& color, double dx, double dy) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    path(*this);
    cairo_clip(cr_);
    cairo_new_path(cr_);
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_rectangle(cr_, -1, -1, pixelWidth_ + 2, pixelHeight_ + 2);
    cairo_restore(cr_);
    // The offset is in 100 % pixels on the screen's axes, so that the light stays upper left under a
    // mirroring transform.
    dx *= percent_ / 100.0;
    dy *= percent_ / 100.0;
    cairo_device_to_user_distance(cr_, &dx, &dy);
    cairo_translate(cr_, dx, dy);
    path(*this);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    setSource(color);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void Canvas::clipped(const Path& clip, const std::function<void()>& paint) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    clip(*this);
    cairo_clip(cr_);
    cairo_new_path(cr_);
    paint();
    cairo_restore(cr_);
}

void Canvas::stroke(const Path& path, const Color& color, double widthPx, bool roundCaps) {
    cairo_new_path(cr_);
    path(*this);
    setSource(color);
    cairo_set_line_width(cr_, px(widthPx));
    cairo_set_line_cap(cr_, roundCaps ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr_);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

void Canvas::selectFont(const std::string& family, bool bold, double size) {
    cairo_select_font_face(cr_, family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size);
}

void Canvas::textPath(const std::string& family, bool bold, double size, double x, double y,
                      const std::string& text) {
    selectFont(family, bold, size);
    cairo_move_to(cr_, x, y);
    cairo_text_path(cr_, text.c_str());
}

double Canvas::textWidth(const std::string& family, bool bold, double size, const std::string& text) {
    selectFont(family, bold, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, text.c_str(), &ext);
    return ext.x_advance;
}
