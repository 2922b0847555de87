#include "BmpFile.h"

#include <stdexcept>

BmpFile::BmpFile(const Bytes& b) {
    if (b.size() < 54 || b.u8(0) != 'B' || b.u8(1) != 'M')
        throw std::runtime_error("no BM signature");
    fileSizeField = b.u32(2);
    dataOffset = b.u32(10);
    infoSize = b.u32(14);
    width_ = b.i32(18);
    heightField = b.i32(22);
    planes = b.u16(26);
    bitCount = b.u16(28);
    compression = b.u32(30);
    imageSize = b.u32(34);
    coloursUsed = b.u32(46);
    if (infoSize != 40)
        throw std::runtime_error("not a BITMAPINFOHEADER");
    if (width_ <= 0 || heightField <= 0)
        throw std::runtime_error("bad dimensions");
    height_ = heightField;
    const std::uint32_t colours = coloursUsed == 0 ? 256 : coloursUsed;
    if (54 + colours * 4 > dataOffset)
        throw std::runtime_error("colour table overlaps the pixels");
    for (std::uint32_t i = 0; i < colours && i < 256; ++i)
        palette_[i] = static_cast<std::uint32_t>(b.u8(54 + 4 * i + 2)) << 16 |
                      static_cast<std::uint32_t>(b.u8(54 + 4 * i + 1)) << 8 | b.u8(54 + 4 * i);
    if (static_cast<std::uint64_t>(dataOffset) + imageSize > b.size())
        throw std::runtime_error("pixel data past the end of the file");
    std::vector<std::uint8_t> stream(b.data().begin() + dataOffset,
                                     b.data().begin() + dataOffset + imageSize);
    pixels_ = decodeRle8(stream, width_, height_);
}

std::vector<std::uint8_t> BmpFile::decodeRle8(const std::vector<std::uint8_t>& s, int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height, 0);
    std::vector<bool> written(pixels.size(), false);
    std::size_t at = 0;
    int row = 0; // counted from the bottom
    int x = 0;
    auto need = [&](std::size_t n) {
        if (at + n > s.size())
            throw std::runtime_error("stream ends inside a code");
    };
    auto put = [&](std::uint8_t v) {
        if (row >= height)
            throw std::runtime_error("pixels after the last row");
        if (x >= width)
            throw std::runtime_error("run crosses the end of a row");
        std::size_t i = static_cast<std::size_t>(height - 1 - row) * width + x;
        pixels[i] = v;
        written[i] = true;
        ++x;
    };
    for (;;) {
        need(2);
        std::uint8_t count = s[at], value = s[at + 1];
        at += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(value);
            continue;
        }
        if (value == 0) { // end of line
            if (x != width)
                throw std::runtime_error("row " + std::to_string(row) + " has " + std::to_string(x) +
                                         " pixels");
            ++row;
            x = 0;
        } else if (value == 1) { // end of bitmap
            if (row != height || x != 0)
                throw std::runtime_error("end of bitmap before the last row was ended");
            if (at != s.size())
                throw std::runtime_error("bytes after the end of bitmap");
            break;
        } else if (value == 2) {
            throw std::runtime_error("delta escape: leaves pixels undefined");
        } else {
            need(value + (value & 1u));
            for (int k = 0; k < value; ++k)
                put(s[at + k]);
            if ((value & 1u) && s[at + value] != 0)
                throw std::runtime_error("absolute run padding is not zero");
            at += value + (value & 1u);
        }
    }
    for (bool w : written)
        if (!w)
            throw std::runtime_error("some pixels were never written");
    return pixels;
}
