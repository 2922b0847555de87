#include "RegionBuilder.h"

#include "ByteWriter.h"

#include <algorithm>
#include <utility>

namespace {

using Runs = std::vector<std::pair<int, int>>;

Runs rowRuns(const Mask& mask, int y) {
    Runs runs;
    int x = 0;
    while (x < mask.width()) {
        while (x < mask.width() && !mask.at(x, y))
            ++x;
        if (x == mask.width())
            break;
        int start = x;
        while (x < mask.width() && mask.at(x, y))
            ++x;
        runs.emplace_back(start, x);
    }
    return runs;
}

} // namespace

std::vector<Rect> RegionBuilder::rectangles(const Mask& mask) {
    std::vector<Rect> rects;
    int y = 0;
    while (y < mask.height()) {
        Runs runs = rowRuns(mask, y);
        int bottom = y + 1;
        while (bottom < mask.height() && rowRuns(mask, bottom) == runs)
            ++bottom;
        for (const auto& run : runs)
            rects.push_back(Rect{run.first, y, run.second, bottom});
        y = bottom;
    }
    return rects;
}

std::vector<std::uint8_t> RegionBuilder::regionData(const std::vector<Rect>& rects) {
    Rect bound;
    if (!rects.empty()) {
        bound = rects.front();
        for (const Rect& r : rects) {
            bound.left = std::min(bound.left, r.left);
            bound.top = std::min(bound.top, r.top);
            bound.right = std::max(bound.right, r.right);
            bound.bottom = std::max(bound.bottom, r.bottom);
        }
    }
    ByteWriter w;
    w.u32(32);
    w.u32(1);
    w.u32(static_cast<std::uint32_t>(rects.size()));
    w.u32(static_cast<std::uint32_t>(rects.size() * 16));
    w.i32(bound.left);
    w.i32(bound.top);
    w.i32(bound.right);
    w.i32(bound.bottom);
    for (const Rect& r : rects) {
        w.i32(r.left);
        w.i32(r.top);
        w.i32(r.right);
        w.i32(r.bottom);
    }
    return w.bytes();
}
