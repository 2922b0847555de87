#pragma once

#include <vector>
#include <windows.h>

namespace tamba::gui {

// The monitors as last read, in the platform's order, and which one is the primary. Reading is left to
// the caller: a layout changes rarely, and looking whether it changed costs one enumeration.
class Monitors {
public:
    // Reads the platform's monitors.
    Monitors();

    // Reads them again; true when the layout differs from the one held before.
    bool read();
    // Whether the platform's monitors differ from those held, without taking them.
    bool looksChanged() const;
    // Tests lay out monitors of their own.
    void assign(std::vector<RECT> monitors, unsigned primary);

    unsigned count() const { return static_cast<unsigned>(rects_.size()); }
    const RECT& at(unsigned i) const { return rects_[i]; }
    const RECT& primary() const { return rects_[primary_]; }
    // Whether some monitor has exactly this rectangle.
    bool has(const RECT& monitor) const;

    // The monitor that most of the rectangle lies on; when none has any of it, the nearest one.
    const RECT& nearest(const RECT& rect) const;
    const RECT& nearest(POINT point) const;
    // Whether at least half of the rectangle's area lies on the monitors.
    bool halfOn(const RECT& rect) const;
    // The dots per inch of the monitor a rectangle lies most on: the monitor's own where the platform
    // tells it, else the system's.
    static int dpiOf(const RECT& rect);
    // The rectangle moved as little as it takes to lie wholly on the monitor (its top-left corner on it
    // when it is the larger).
    static RECT broughtOnto(const RECT& rect, const RECT& monitor);

private:
    bool differs(const std::vector<RECT>& rects, unsigned primary) const;

    std::vector<RECT> rects_;
    unsigned primary_ = 0;
};

} // namespace tamba::gui
