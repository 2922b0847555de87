#pragma once

#include "Bytes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Reads an 8-bit BI_RLE8 .bmp the way the test expects the program's bitmaps to be, written without the
// generator's code. Anything a strict loader would trip over throws std::runtime_error with the reason.
class BmpFile {
public:
    explicit BmpFile(const Bytes& bytes);
    static BmpFile load(const std::string& path) { return BmpFile(Bytes::load(path)); }
    // Decodes a bare RLE8 stream of a bottom-up picture; pixels come out top row first.
    static std::vector<std::uint8_t> decodeRle8(const std::vector<std::uint8_t>& stream, int width,
                                                int height);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint8_t index(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    std::uint32_t rgb(int x, int y) const { return palette_[index(x, y)]; }
    const std::array<std::uint32_t, 256>& palette() const { return palette_; }

    // Header fields, as read.
    std::uint32_t fileSizeField = 0, dataOffset = 0, infoSize = 0, compression = 0, imageSize = 0,
                  coloursUsed = 0;
    std::int32_t heightField = 0;
    std::uint16_t planes = 0, bitCount = 0;

private:
    int width_ = 0;
    int height_ = 0;
    std::array<std::uint32_t, 256> palette_{};
    std::vector<std::uint8_t> pixels_;
};
