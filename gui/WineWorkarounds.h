#pragma once

#include <windows.h>

namespace tamba::gui {

class ToyWindows;

// What the toy does only because Wine under X behaves unlike Windows, in one place. Each is switched on
// only when the program runs under Wine (found once, at the first question: ntdll exports
// wine_get_version); on Windows the toy relies on the platform's own behaviour.
//
// - X routes the mouse to the capture of the foreground program only, and the toy's windows never take
//   the foreground: a drag also follows the cursor on a timer of its own.
// - X gives the keyboard only to a shown window: while the popup menu is open, the shown window it was
//   asked from is active, not merely the menu's hidden owner.
// - Without a window manager, X raises another program's window that becomes active above every other,
//   top-most or not: the shown windows are raised again, at once and a few times within the next second.
// - Wine sends no WM_DISPLAYCHANGE for a change made on the X server: the monitor layout is compared
//   once a second.
class WineWorkarounds {
public:
    static constexpr UINT dragPollMs = 15;
    static constexpr unsigned layoutPollTicks = 10;

    static bool enabled();
    // Tests try either platform's behaviour.
    static void setEnabled(bool on);

    // While the left button is held on a draggable window: a WM_TIMER with this id every dragPollMs.
    static constexpr UINT_PTR dragTimerId = 1;
    static void startDragPoll(HWND window);
    static void stopDragPoll(HWND window);

    // Before the popup menu opens over the window it was asked from.
    static void activateForMenu(HWND asking);

    // The foreground went to another program's window (or was handed back to one): raise now and on the
    // next ticks. A window of the toy's own that becomes the foreground cancels what is left.
    void foregroundWentElsewhere();
    void foregroundCameHome() { raiseTicks_ = 0; }
    // Once per tick: raises the toy's shown top-most windows when one of the scheduled raises is due.
    void tick(const ToyWindows& windows);
    bool raising() const { return raiseTicks_ > 0; }

    // Once per tick: whether this is a tick on which the monitor layout is to be compared.
    bool layoutCheckDue();

private:
    static void raiseShown(const ToyWindows& windows);

    int raiseTicks_ = 0;
    unsigned layoutTicks_ = 0;
};

} // namespace tamba::gui
