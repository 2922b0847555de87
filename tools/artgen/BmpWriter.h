#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <vector>

// A Windows .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER (bottom-up, 8 bpp, BI_RLE8), 256 RGBQUADs and
// the RLE8 stream.
class BmpWriter {
public:
    static std::vector<std::uint8_t> write(const IndexedImage& image);
};
