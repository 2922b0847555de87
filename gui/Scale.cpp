#include "gui/Scale.h"

#include <cstdlib>

namespace tamba::gui {

int Scale::percent_ = 100;

namespace {
// Division rounding towards minus infinity, so that screens left of and above the primary monitor
// (negative coordinates) round as the others do.
int floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return static_cast<int>(q);
}
} // namespace

void Scale::set(int percent) {
    percent_ = snap(percent);
}

int Scale::snap(int percent) {
    int best = percents[0];
    for (int candidate : percents) {
        const int gap = std::abs(candidate - percent);
        const int bestGap = std::abs(best - percent);
        if (gap < bestGap || (gap == bestGap && candidate > best))
            best = candidate;
    }
    return best;
}

int Scale::fitting(int percent, SIZE logical, const RECT& screen) {
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    int fit = percents[0];
    for (int candidate : percents)
        if (candidate <= percent && toScreen(logical.cx, candidate) <= width &&
            toScreen(logical.cy, candidate) <= height)
            fit = candidate;
    return fit;
}

int Scale::toScreen(int logical, int percent) {
    return floorDiv(static_cast<long long>(logical) * percent + 50, 100);
}

int Scale::fromScreen(int screen) {
    return fromScreen(screen, percent_);
}

int Scale::fromScreen(int screen, int percent) {
    return floorDiv(static_cast<long long>(screen) * 100 + percent / 2, percent);
}

RECT Scale::toScreen(const RECT& r, int percent) {
    return RECT{toScreen(r.left, percent), toScreen(r.top, percent), toScreen(r.right, percent),
                toScreen(r.bottom, percent)};
}

RECT Scale::fromScreen(const RECT& r) {
    return RECT{fromScreen(r.left), fromScreen(r.top), fromScreen(r.right), fromScreen(r.bottom)};
}

RECT Scale::inside(const RECT& screen) {
    // Left and top rounded up, right and bottom down.
    const long long p = percent_;
    return RECT{-floorDiv(-static_cast<long long>(screen.left) * 100, p),
                -floorDiv(-static_cast<long long>(screen.top) * 100, p),
                floorDiv(static_cast<long long>(screen.right) * 100, p),
                floorDiv(static_cast<long long>(screen.bottom) * 100, p)};
}

int Scale::resource(int number, int percent) {
    for (int k = 0; k < count; ++k)
        if (percents[k] == percent)
            return number + resourceStep * k;
    return number;
}

} // namespace tamba::gui
