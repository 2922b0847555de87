#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Which pixels of a picture belong to its window: row by row from the top.
class Mask {
public:
    Mask() = default;
    Mask(int width, int height)
        : width_(width), height_(height), bits_(static_cast<std::size_t>(width) * height, 0) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool at(int x, int y) const { return bits_[static_cast<std::size_t>(y) * width_ + x] != 0; }
    void set(int x, int y, bool on) { bits_[static_cast<std::size_t>(y) * width_ + x] = on ? 1 : 0; }
    long count() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;
};
