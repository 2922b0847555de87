#include "Quantizer.h"

#include <libimagequant.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace {

int channel(std::uint32_t rgb, int c) {
    return static_cast<int>((rgb >> (16 - 8 * c)) & 0xFF);
}

int nearest(const IndexedImage::Palette& palette, int used, double r, double g, double b) {
    int best = 1;
    double bestDistance = 1e30;
    for (int i = 1; i <= used; ++i) {
        double dr = r - channel(palette[i], 0), dg = g - channel(palette[i], 1),
               db = b - channel(palette[i], 2);
        // Weighted roughly by the eye's sensitivity so greens and dark blues keep their steps.
        double d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

std::vector<IndexedImage> Quantizer::quantize(const std::vector<const FlatImage*>& frames) const {
    int used = 0;
    IndexedImage::Palette palette = buildPalette(frames, used);
    std::vector<IndexedImage> out;
    out.reserve(frames.size());
    for (const FlatImage* frame : frames)
        out.push_back(remap(*frame, palette, used));
    return out;
}

IndexedImage::Palette Quantizer::buildPalette(const std::vector<const FlatImage*>& frames, int& used) const {
    std::map<std::uint32_t, unsigned> histogram;
    for (const FlatImage* f : frames)
        for (int y = 0; y < f->height(); ++y)
            for (int x = 0; x < f->width(); ++x)
                if (f->mask().at(x, y))
                    ++histogram[f->rgb(x, y)];

    IndexedImage::Palette palette{};
    palette[0] = background_;
    std::vector<std::uint32_t> colours;
    if (histogram.size() <= static_cast<size_t>(maxColours_)) {
        // Few enough to keep every colour exactly.
        for (const auto& entry : histogram)
            colours.push_back(entry.first);
    } else {
        liq_attr* attr = liq_attr_create();
        liq_set_max_colors(attr, maxColours_);
        liq_set_speed(attr, 3);
        liq_histogram* hist = liq_histogram_create(attr);
        std::vector<liq_histogram_entry> entries;
        entries.reserve(histogram.size());
        for (const auto& entry : histogram) {
            liq_histogram_entry e{};
            e.color = liq_color{static_cast<unsigned char>(channel(entry.first, 0)),
                                static_cast<unsigned char>(channel(entry.first, 1)),
                                static_cast<unsigned char>(channel(entry.first, 2)), 255};
            e.count = entry.second;
            entries.push_back(e);
        }
        if (liq_histogram_add_colors(hist, attr, entries.data(), static_cast<int>(entries.size()), 0) !=
            LIQ_OK)
            throw std::runtime_error("libimagequant rejected the histogram");
        liq_result* result = nullptr;
        if (liq_histogram_quantize(hist, attr, &result) != LIQ_OK)
            throw std::runtime_error("libimagequant could not quantize");
        const liq_palette* lp = liq_get_palette(result);
        for (unsigned i = 0; i < lp->count; ++i)
            colours.push_back(static_cast<std::uint32_t>(lp->entries[i].r) << 16 |
                              static_cast<std::uint32_t>(lp->entries[i].g) << 8 | lp->entries[i].b);
        liq_result_destroy(result);
        liq_histogram_destroy(hist);
        liq_attr_destroy(attr);
        std::sort(colours.begin(), colours.end());
        colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    }
    used = static_cast<int>(colours.size());
    for (int i = 0; i < used; ++i) {
        std::uint32_t c = colours[static_cast<size_t>(i)];
        // The background must stay unique, or a reader would take a picture pixel for empty space.
        if (c == background_)
            c ^= 0x010000;
        palette[static_cast<size_t>(i) + 1] = c;
    }
    return palette;
}

IndexedImage Quantizer::remap(const FlatImage& frame, const IndexedImage::Palette& palette, int used) const {
    IndexedImage out(frame.width(), frame.height(), palette);
    const int w = frame.width(), h = frame.height();
    if (dither_ == Dither::None) {
        std::unordered_map<std::uint32_t, int> cache;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!frame.mask().at(x, y))
                    continue;
                std::uint32_t c = frame.rgb(x, y);
                auto it = cache.find(c);
                if (it == cache.end())
                    it = cache.emplace(c, nearest(palette, used, channel(c, 0), channel(c, 1), channel(c, 2)))
                             .first;
                out.set(x, y, static_cast<std::uint8_t>(it->second));
            }
        return out;
    }
    // Light Floyd-Steinberg, serpentine, at half strength: enough to hide steps in the panel gradients
    // without visible grain. Error never flows into or out of background pixels.
    const double strength = 0.5;
    std::vector<double> err(static_cast<size_t>(w + 2) * 2 * 3, 0.0);
    auto at = [&](int row, int x, int c) -> double& {
        return err[(static_cast<size_t>(row & 1) * (w + 2) + x + 1) * 3 + c];
    };
    for (int y = 0; y < h; ++y) {
        for (int x = -1; x <= w; ++x)
            for (int c = 0; c < 3; ++c)
                at(y + 1, x, c) = 0;
        bool leftToRight = (y % 2) == 0;
        for (int i = 0; i < w; ++i) {
            int x = leftToRight ? i : w - 1 - i;
            int dir = leftToRight ? 1 : -1;
            if (!frame.mask().at(x, y))
                continue;
            std::uint32_t c = frame.rgb(x, y);
            double want[3];
            for (int k = 0; k < 3; ++k)
                want[k] = std::clamp(channel(c, k) + at(y, x, k), 0.0, 255.0);
            int index = nearest(palette, used, want[0], want[1], want[2]);
            out.set(x, y, static_cast<std::uint8_t>(index));
            for (int k = 0; k < 3; ++k) {
                double e = (want[k] - channel(palette[index], k)) * strength;
                auto spread = [&](int row, int nx, double part) {
                    if (nx >= 0 && nx < w && row < h && frame.mask().at(nx, row))
                        at(row, nx, k) += e * part;
                };
                spread(y, x + dir, 7.0 / 16);
                spread(y + 1, x - dir, 3.0 / 16);
                spread(y + 1, x, 5.0 / 16);
                spread(y + 1, x + dir, 1.0 / 16);
            }
        }
    }
    return out;
}
