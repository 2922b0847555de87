#pragma once

#include "Mask.h"
#include "Rect.h"

#include <cstdint>
#include <vector>

// Turns a mask into the rectangles of a window region, the way the platform itself lists them: horizontal
// bands ordered by top, rectangles in a band ordered by left and all sharing the band's top and bottom.
// Rows whose runs are identical are merged into one band, which keeps the region data small.
class RegionBuilder {
public:
    static std::vector<Rect> rectangles(const Mask& mask);
    // The RGNDATA block: 32-byte header (dwSize, iType = RDH_RECTANGLES, nCount, nRgnSize, rcBound)
    // followed by the rectangles.
    static std::vector<std::uint8_t> regionData(const std::vector<Rect>& rects);
};
