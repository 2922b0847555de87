#include "gui/ToyWindows.h"

#include "gui/Monitors.h"
#include "gui/Window.h"

#include <algorithm>

namespace tamba::gui {

namespace {
bool sameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
} // namespace

ToyWindows::ToyWindows(const Monitors& monitors) : monitors_(monitors) {}

void ToyWindows::add(Window& window) {
    if (std::find(windows_.begin(), windows_.end(), &window) == windows_.end())
        windows_.push_back(&window);
}

void ToyWindows::remove(Window& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

Window* ToyWindows::find(HWND handle) const {
    if (handle == nullptr)
        return nullptr;
    for (Window* window : windows_)
        if (window->handle() == handle)
            return window;
    return nullptr;
}

bool ToyWindows::haveForeground() {
    HWND front = GetForegroundWindow();
    DWORD process = 0;
    if (front != nullptr)
        GetWindowThreadProcessId(front, &process);
    return process == GetCurrentProcessId();
}

bool ToyWindows::setStoodDown(std::vector<RECT> monitors) {
    const bool same = monitors.size() == stoodDown_.size() &&
                      std::equal(monitors.begin(), monitors.end(), stoodDown_.begin(), sameRect);
    stoodDown_ = std::move(monitors);
    return !same;
}

bool ToyWindows::stoodDown(const RECT& monitor) const {
    return std::any_of(stoodDown_.begin(), stoodDown_.end(),
                       [&](const RECT& r) { return sameRect(r, monitor); });
}

bool ToyWindows::topmostAt(const RECT& place) const {
    if (!onTop_)
        return false;
    return stoodDown_.empty() || !stoodDown(monitors_.nearest(place));
}

void ToyWindows::restack() const {
    // A copy: restacking sends messages, and their handlers may make or drop a window.
    const std::vector<Window*> windows = windows_;
    for (Window* window : windows) {
        if (window->handle() == nullptr)
            continue;
        RECT place;
        window->screenRect(place);
        const bool wanted = topmostAt(place);
        if (window->topmost() != wanted)
            window->setTopmost(wanted);
    }
}

} // namespace tamba::gui
