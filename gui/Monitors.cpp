#include "gui/Monitors.h"

#include <algorithm>
#include <cstdlib>

namespace tamba::gui {

namespace {
struct Reading {
    std::vector<RECT> rects;
    unsigned primary = 0;
};

// The primary monitor is the one whose top-left corner is the origin of the screen coordinates: no
// further question to the platform per monitor.
BOOL CALLBACK collect(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    auto* reading = reinterpret_cast<Reading*>(data);
    if (rect->left == 0 && rect->top == 0)
        reading->primary = static_cast<unsigned>(reading->rects.size());
    reading->rects.push_back(*rect);
    return TRUE;
}

Reading readPlatform() {
    Reading reading;
    EnumDisplayMonitors(nullptr, nullptr, collect, reinterpret_cast<LPARAM>(&reading));
    if (reading.rects.empty()) {
        // No monitor to be had: the desktop window's rectangle is the one screen there is.
        RECT desktop = {0, 0, 0, 0};
        GetWindowRect(GetDesktopWindow(), &desktop);
        reading.rects.push_back(desktop);
    }
    return reading;
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

Monitors::Monitors() {
    read();
}

bool Monitors::differs(const std::vector<RECT>& rects, unsigned primary) const {
    return primary != primary_ || rects.size() != rects_.size() ||
           !std::equal(rects_.begin(), rects_.end(), rects.begin(), sameRect);
}

bool Monitors::read() {
    Reading reading = readPlatform();
    const bool changed = differs(reading.rects, reading.primary);
    rects_ = std::move(reading.rects);
    primary_ = reading.primary;
    return changed;
}

bool Monitors::looksChanged() const {
    const Reading reading = readPlatform();
    return differs(reading.rects, reading.primary);
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

int Monitors::dpiOf(const RECT& rect) {
    // Windows 8.1 and later know a DPI per monitor; earlier ones, and Wine, one for the whole system.
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryA("shcore.dll");
        return shcore != nullptr ? reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void (*)()>(
                                       GetProcAddress(shcore, "GetDpiForMonitor")))
                                 : nullptr;
    }();
    if (getDpiForMonitor != nullptr) {
        constexpr int effectiveDpi = 0;
        UINT x = 0, y = 0;
        if (SUCCEEDED(
                getDpiForMonitor(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), effectiveDpi, &x, &y)) &&
            x > 0)
            return static_cast<int>(x);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
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
