#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <vector>

// A .cur file with one 16-colour image: ICONDIR (type 2), one entry carrying the hotspot, then the
// BMP-in-CUR image (BITMAPINFOHEADER of double height, palette, XOR pixels, AND mask). Index 0 of the
// image is written as black with its AND bit set, i.e. transparent; only indices 0..15 may be used.
class CursorWriter {
public:
    static std::vector<std::uint8_t> write(const IndexedImage& image, int hotspotX, int hotspotY);
};
