#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <vector>

// The BI_RLE8 pixel stream of a bottom-up 8-bit bitmap: runs of equal pixels as (count, index), stretches
// of differing pixels as absolute runs (0, n, n bytes, padded to an even length; n >= 3, since 1 and 2
// are escapes), an end-of-line (0, 0) after every row and the end-of-bitmap (0, 1) last. No run crosses
// a row, which is what LoadBitmap expects.
class RleEncoder {
public:
    static std::vector<std::uint8_t> encode(const IndexedImage& image);
    // One row, without its end-of-line.
    static void encodeRow(const std::uint8_t* row, int width, std::vector<std::uint8_t>& out);
};
