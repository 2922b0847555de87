#include "gui/Monitors.h"

#include <algorithm>
#include <cstdlib>

namespace tamba::gui {

namespace {
struct Reading {
    std::vector<RECT> rects;
    unsigned primary = 0;
};

BOOL CALLBACK collect(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* reading = reinterpret_cast<Reading*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info))
        return TRUE;
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0)
        reading->primary = static_cast<unsigned>(reading->rects.size());
    reading->rects.push_back(info.rcMonitor);
    return TRUE;
}

long long area(const RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return 0;
    return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

long long overlap(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) ? area(common) : 0;
}

// How far apart two rectangles are, along the axis where they are furthest apart (0 if they touch).
long distance(const RECT& a, const RECT& b) {
    const long dx = std::max({0L, static_cast<long>(b.left - a.right), static_cast<long>(a.left - b.right)});
    const long dy = std::max({0L, static_cast<long>(b.top - a.bottom), static_cast<long>(a.top - b.bottom)});
    return dx + dy;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

bool Monitors::Metrics::operator==(const Metrics& other) const {
    return std::equal(std::begin(values), std::end(values), std::begin(other.values));
}

Monitors::Metrics Monitors::currentMetrics() {
    return Metrics{{GetSystemMetrics(SM_CMONITORS), GetSystemMetrics(SM_XVIRTUALSCREEN),
                    GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CXSCREEN),
                    GetSystemMetrics(SM_CYSCREEN)}};
}

Monitors::Monitors() {
    read();
}

bool Monitors::read() {
    metrics_ = currentMetrics();
    Reading reading;
    EnumDisplayMonitors(nullptr, nullptr, collect, reinterpret_cast<LPARAM>(&reading));
    if (reading.rects.empty()) {
        // No monitor to be had: the desktop window's rectangle is the one screen there is.
        RECT desktop = {0, 0, 0, 0};
        GetWindowRect(GetDesktopWindow(), &desktop);
        reading.rects.push_back(desktop);
        reading.primary = 0;
    }
    const bool changed = reading.primary != primary_ || reading.rects.size() != rects_.size() ||
                         !std::equal(rects_.begin(), rects_.end(), reading.rects.begin(), sameRect);
    rects_ = std::move(reading.rects);
    primary_ = reading.primary;
    return changed;
}

bool Monitors::looksChanged() const {
    return !(currentMetrics() == metrics_);
}

void Monitors::assign(std::vector<RECT> monitors, unsigned primary) {
    if (monitors.empty())
        return;
    rects_ = std::move(monitors);
    primary_ = primary < rects_.size() ? primary : 0;
}

bool Monitors::has(const RECT& monitor) const {
    return std::any_of(rects_.begin(), rects_.end(), [&](const RECT& r) { return sameRect(r, monitor); });
}

const RECT& Monitors::nearest(const RECT& rect) const {
    const RECT* best = &rects_[primary_];
    long long bestOverlap = 0;
    for (const RECT& monitor : rects_) {
        const long long shared = overlap(rect, monitor);
        if (shared > bestOverlap) {
            bestOverlap = shared;
            best = &monitor;
        }
    }
    if (bestOverlap > 0)
        return *best;
    long bestDistance = distance(rect, *best);
    for (const RECT& monitor : rects_) {
        const long d = distance(rect, monitor);
        if (d < bestDistance) {
            bestDistance = d;
            best = &monitor;
        }
    }
    return *best;
}

const RECT& Monitors::nearest(POINT point) const {
    return nearest(RECT{point.x, point.y, point.x + 1, point.y + 1});
}

bool Monitors::halfOn(const RECT& rect) const {
    long long shown = 0;
    for (const RECT& monitor : rects_)
        shown += overlap(rect, monitor);
    return 2 * shown >= area(rect);
}

RECT Monitors::broughtOnto(const RECT& rect, const RECT& monitor) {
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    LONG left = std::min(rect.left, monitor.right - width);
    LONG top = std::min(rect.top, monitor.bottom - height);
    left = std::max(left, monitor.left);
    top = std::max(top, monitor.top);
    return RECT{left, top, left + width, top + height};
}

} // namespace tamba::gui
