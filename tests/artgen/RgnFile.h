#pragma once

#include "Bytes.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads an RGNDATA block (header and rectangles) as the program hands it to ExtCreateRegion.
class RgnFile {
public:
    struct Rect {
        std::int32_t left, top, right, bottom;
    };

    explicit RgnFile(const Bytes& bytes);
    static RgnFile load(const std::string& path) { return RgnFile(Bytes::load(path)); }

    std::uint32_t headerSize = 0, type = 0, count = 0, rgnSize = 0;
    Rect bound{};
    std::vector<Rect> rects;
    std::size_t fileSize = 0;

    // Whether (x, y) lies in one of the rectangles.
    bool contains(int x, int y) const;
};
