#pragma once

#include "Mask.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// An 8-bit picture with its 256-entry palette (0xRRGGBB). Index 0 is the background: outside the mask.
class IndexedImage {
public:
    using Palette = std::array<std::uint32_t, 256>;

    IndexedImage(int width, int height, const Palette& palette)
        : width_(width), height_(height), palette_(palette),
          pixels_(static_cast<std::size_t>(width) * height, 0) {}

    int width() const { return width_; }
    int height() const { return height_; }
    const Palette& palette() const { return palette_; }
    std::uint8_t at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void set(int x, int y, std::uint8_t index) { pixels_[static_cast<std::size_t>(y) * width_ + x] = index; }
    std::uint32_t rgb(int x, int y) const { return palette_[at(x, y)]; }
    Mask mask() const;

private:
    int width_;
    int height_;
    Palette palette_;
    std::vector<std::uint8_t> pixels_;
};
