#pragma once

#include <vector>
#include <windows.h>

namespace tamba::gui {

class Monitors;
class Window;

// The toy's own top-level windows (every sprite window and score card, shown or not), in the order they
// were made, and the rule for which of them belong in the top-most band: all of them while "Show on
// top" holds, except those on a monitor where another program is full screen.
class ToyWindows {
public:
    explicit ToyWindows(const Monitors& monitors);
    ToyWindows(const ToyWindows&) = delete;
    ToyWindows& operator=(const ToyWindows&) = delete;

    // A window joins for as long as its object lives.
    void add(Window& window);
    void remove(Window& window);
    unsigned count() const { return static_cast<unsigned>(windows_.size()); }
    Window& at(unsigned i) const { return *windows_[i]; }
    // The toy's window with that handle, or none.
    Window* find(HWND handle) const;
    // Whether the foreground window is one of this program's (any of its windows, not only these).
    static bool haveForeground();

    bool onTop() const { return onTop_; }
    void setOnTop(bool onTop) { onTop_ = onTop; }
    // The monitors on which another program is full screen now; true when they differ from before.
    bool setStoodDown(std::vector<RECT> monitors);
    bool anyStoodDown() const { return !stoodDown_.empty(); }
    bool stoodDown(const RECT& monitor) const;

    // Whether a window at this place belongs in the top-most band.
    bool topmostAt(const RECT& place) const;
    // Puts every window that is not where it belongs into or out of the band.
    void restack() const;

private:
    const Monitors& monitors_;
    std::vector<Window*> windows_; // not owned: each window leaves the list when it goes
    bool onTop_ = true;
    std::vector<RECT> stoodDown_;
};

} // namespace tamba::gui
