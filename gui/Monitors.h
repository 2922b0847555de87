#pragma once

#include <vector>
#include <windows.h>

namespace tamba::gui {

// The monitors as last read, in the platform's order, with each one's dots per inch and which one is the
// primary. Reading is left to the caller: a layout changes rarely, and looking whether it changed costs one
// enumeration.
class Monitors {
public:
    // Reads the platform's monitors.
    Monitors();

    // Reads them again; true when the layout (or a monitor's scale) differs from the one held before.
    bool read();
    // Whether the platform's monitors lie otherwise than those held, without taking them.
    bool looksChanged() const;
    // Tests lay out monitors of their own, which every later read then finds, as if the platform had them
    // (dots per inch: 96 where none is given); an empty list gives the platform's back.
    void assign(std::vector<RECT> monitors, unsigned primary, std::vector<int> dpis = {});

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
    // The dots per inch of the monitor a rectangle lies most on, as last read: the monitor's own where the
    // platform tells it, else the system's.
    int dpiOf(const RECT& rect) const;
    // The rectangle moved as little as it takes to lie wholly on the monitor (its top-left corner on it
    // when it is the larger).
    static RECT broughtOnto(const RECT& rect, const RECT& monitor);

    struct Layout {
        std::vector<RECT> rects;
        std::vector<int> dpis;
        unsigned primary = 0;
    };

private:
    Layout current(bool withDpis) const;
    bool differs(const Layout& layout) const;

    std::vector<RECT> rects_;
    std::vector<int> dpis_;
    unsigned primary_ = 0;
    bool assigned_ = false;
    Layout assignedLayout_; // what tests laid out, read in place of the platform's
};

} // namespace tamba::gui
