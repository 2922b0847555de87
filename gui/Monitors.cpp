#include "gui/Monitors.h"

#include <algorithm>
#include <cstdlib>

namespace tamba::gui {

namespace {
// Windows 8.1 and later know a DPI per monitor; earlier ones, and Wine, one for the whole system.
int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int monitorDpi(HMONITOR monitor, int fallback) {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryA("shcore.dll");
        return shcore != nullptr ? reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void (*)()>(
                                       GetProcAddress(shcore, "GetDpiForMonitor")))
                                 : nullptr;
    }();
    constexpr int effectiveDpi = 0;
    UINT x = 0, y = 0;
    if (getDpiForMonitor != nullptr && SUCCEEDED(getDpiForMonitor(monitor, effectiveDpi, &x, &y)) && x > 0)
        return static_cast<int>(x);
    return fallback;
}

struct Reading {
    Monitors::Layout layout;
    bool withDpis = true;
    int systemDpi = 96;
};

// The primary monitor is the one whose top-left corner is the origin of the screen coordinates.
BOOL CALLBACK collect(HMONITOR monitor, HDC, LPRECT rect, LPARAM data) {
    auto* reading = reinterpret_cast<Reading*>(data);
    Monitors::Layout& layout = reading->layout;
    if (rect->left == 0 && rect->top == 0)
        layout.primary = static_cast<unsigned>(layout.rects.size());
    layout.rects.push_back(*rect);
    if (reading->withDpis)
        layout.dpis.push_back(monitorDpi(monitor, reading->systemDpi));
    return TRUE;
}

// Without the dots per inch, a look costs one enumeration: their changes come with a message of their own.
Monitors::Layout readPlatform(bool withDpis) {
    Reading reading;
    reading.withDpis = withDpis;
    if (withDpis)
        reading.systemDpi = systemDpi();
    EnumDisplayMonitors(nullptr, nullptr, collect, reinterpret_cast<LPARAM>(&reading));
    if (reading.layout.rects.empty()) {
        // No monitor to be had: the desktop window's rectangle is the one screen there is.
        RECT desktop = {0, 0, 0, 0};
        GetWindowRect(GetDesktopWindow(), &desktop);
        reading.layout.rects.push_back(desktop);
        if (withDpis)
            reading.layout.dpis.push_back(reading.systemDpi);
    }
    return reading.layout;
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

Monitors::Layout Monitors::current(bool withDpis) const {
    return assigned_ ? assignedLayout_ : readPlatform(withDpis);
}

bool Monitors::differs(const Layout& layout) const {
    return layout.primary != primary_ || layout.rects.size() != rects_.size() ||
           !std::equal(rects_.begin(), rects_.end(), layout.rects.begin(), sameRect) ||
           (!layout.dpis.empty() && layout.dpis != dpis_);
}

bool Monitors::read() {
    Layout layout = current(true);
    const bool changed = differs(layout);
    rects_ = std::move(layout.rects);
    dpis_ = std::move(layout.dpis);
    primary_ = layout.primary;
    return changed;
}

bool Monitors::looksChanged() const {
    return differs(current(false));
}

void Monitors::assign(std::vector<RECT> monitors, unsigned primary, std::vector<int> dpis) {
    assigned_ = !monitors.empty();
    dpis.resize(monitors.size(), 96);
    const unsigned first = primary < monitors.size() ? primary : 0;
    assignedLayout_ = Layout{std::move(monitors), std::move(dpis), first};
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

int Monitors::dpiOf(const RECT& rect) const {
    const RECT& monitor = nearest(rect);
    return dpis_[static_cast<size_t>(&monitor - rects_.data())];
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
