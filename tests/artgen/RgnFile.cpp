#include "RgnFile.h"

#include <stdexcept>

RgnFile::RgnFile(const Bytes& b) {
    fileSize = b.size();
    if (b.size() < 32)
        throw std::runtime_error("shorter than the region header");
    headerSize = b.u32(0);
    type = b.u32(4);
    count = b.u32(8);
    rgnSize = b.u32(12);
    bound = {b.i32(16), b.i32(20), b.i32(24), b.i32(28)};
    if (32 + static_cast<std::uint64_t>(count) * 16 > b.size())
        throw std::runtime_error("rectangle count past the end of the file");
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t at = 32 + 16 * static_cast<std::size_t>(i);
        rects.push_back({b.i32(at), b.i32(at + 4), b.i32(at + 8), b.i32(at + 12)});
    }
}

bool RgnFile::contains(int x, int y) const {
    for (const Rect& r : rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    return false;
}
