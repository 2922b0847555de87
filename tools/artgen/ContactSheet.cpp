#include "ContactSheet.h"

#include "Canvas.h"
#include "Ink.h"

#include <algorithm>
#include <stdexcept>

void ContactSheet::add(const std::string& label, const IndexedImage& image, const Mask* outline) {
    Entry e{label, image.width(), image.height(), {}};
    e.argb.resize(static_cast<size_t>(e.width) * e.height);
    for (int y = 0; y < e.height; ++y)
        for (int x = 0; x < e.width; ++x)
            if (!outline || outline->at(x, y))
                e.argb[static_cast<size_t>(y) * e.width + x] = 0xFF000000u | image.rgb(x, y);
    entries_.push_back(std::move(e));
}

void ContactSheet::add(const std::string& label, int width, int height,
                       const std::vector<std::uint32_t>& argb) {
    entries_.push_back(Entry{label, width, height, argb});
}

void ContactSheet::writePng(const std::string& path) const {
    const int zoom = zoom_, gap = 14, labelHeight = 18, maxWidth = 1700;
    // Shelf layout: left to right, a new row when the next picture would not fit.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = gap, y = gap, rowHeight = 0, sheetWidth = 0;
    for (const Entry& e : entries_) {
        int w = e.width * zoom, h = e.height * zoom + labelHeight;
        if (x + w + gap > maxWidth && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + gap;
        rowHeight = std::max(rowHeight, h);
        sheetWidth = std::max(sheetWidth, x);
    }
    const int sheetHeight = y + rowHeight + gap;

    Canvas sheet(sheetWidth, sheetHeight);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.22, 0.24, 0.27);
    cairo_paint(cr);
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        const int px = places[i].x, py = places[i].y + labelHeight;
        const int w = e.width * zoom, h = e.height * zoom;
        for (int cy = 0; cy < h; cy += 8)
            for (int cx = 0; cx < w; cx += 8) {
                bool light = ((cx / 8) + (cy / 8)) % 2 == 0;
                cairo_set_source_rgb(cr, light ? 0.78 : 0.62, light ? 0.78 : 0.62, light ? 0.78 : 0.62);
                cairo_rectangle(cr, px + cx, py + cy, std::min(8, w - cx), std::min(8, h - cy));
                cairo_fill(cr);
            }
        cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, e.width, e.height);
        cairo_surface_flush(picture);
        unsigned char* data = cairo_image_surface_get_data(picture);
        const int stride = cairo_image_surface_get_stride(picture);
        for (int yy = 0; yy < e.height; ++yy) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(yy) * stride);
            for (int xx = 0; xx < e.width; ++xx)
                row[xx] = e.argb[static_cast<size_t>(yy) * e.width + xx];
        }
        cairo_surface_mark_dirty(picture);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_scale(cr, zoom, zoom);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(picture);

        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 12);
        cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
        cairo_move_to(cr, px, py - 5);
        cairo_show_text(cr, e.label.c_str());
    }
    cairo_surface_flush(sheet.surface());
    if (cairo_surface_write_to_png(sheet.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}
