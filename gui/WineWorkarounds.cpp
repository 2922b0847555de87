#include "gui/WineWorkarounds.h"

#include "gui/ToyWindows.h"
#include "gui/Window.h"

#include <vector>

namespace tamba::gui {

namespace {
enum class Detection { unknown, off, on };
Detection detected = Detection::unknown;

constexpr int raiseSchedule = 8;
// The raises fall on the first tick, the next, and three and seven ticks later: another program raises
// its window when it gets round to it.
bool raiseDueAt(int ticksLeft) {
    return ticksLeft == 8 || ticksLeft == 7 || ticksLeft == 5 || ticksLeft == 1;
}
} // namespace

bool WineWorkarounds::enabled() {
    if (detected == Detection::unknown) {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        const bool wine = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
        detected = wine ? Detection::on : Detection::off;
    }
    return detected == Detection::on;
}

void WineWorkarounds::setEnabled(bool on) {
    detected = on ? Detection::on : Detection::off;
}

void WineWorkarounds::startDragPoll(HWND window) {
    if (enabled())
        SetTimer(window, dragTimerId, dragPollMs, nullptr);
}

void WineWorkarounds::stopDragPoll(HWND window) {
    if (enabled())
        KillTimer(window, dragTimerId);
}

void WineWorkarounds::activateForMenu(HWND asking) {
    if (enabled() && asking != nullptr)
        SetForegroundWindow(asking);
}

void WineWorkarounds::foregroundWentElsewhere() {
    if (enabled())
        raiseTicks_ = raiseSchedule;
}

void WineWorkarounds::tick(const ToyWindows& windows) {
    if (raiseTicks_ <= 0)
        return;
    if (raiseDueAt(raiseTicks_))
        raiseShown(windows);
    --raiseTicks_;
}

bool WineWorkarounds::layoutCheckDue() {
    if (!enabled())
        return false;
    if (++layoutTicks_ < layoutPollTicks)
        return false;
    layoutTicks_ = 0;
    return true;
}

void WineWorkarounds::raiseShown(const ToyWindows& windows) {
    // From the bottom up, so that they keep their order among themselves; listed first, as each raise
    // changes the order being walked. Only those that belong in the band: a window on a monitor where
    // another program is full screen stays beneath it.
    std::vector<HWND> shown;
    HWND hidden = nullptr;
    HWND top = GetTopWindow(nullptr);
    for (HWND window = top != nullptr ? GetWindow(top, GW_HWNDLAST) : nullptr; window != nullptr;
         window = GetWindow(window, GW_HWNDPREV)) {
        Window* toy = windows.find(window);
        if (toy == nullptr || !toy->topmost())
            continue;
        if (IsWindowVisible(window))
            shown.push_back(window);
        else if (hidden == nullptr)
            hidden = window;
    }
    // A window first in the z-order already is not moved at all, so not raised either: a hidden one of
    // the toy's goes first.
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (hidden != nullptr)
        SetWindowPos(hidden, HWND_TOPMOST, 0, 0, 0, 0, flags);
    for (HWND window : shown)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
}

} // namespace tamba::gui
