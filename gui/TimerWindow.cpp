#include "gui/TimerWindow.h"

#include "gui/Timer.h"

namespace tamba::gui {

TimerWindow::TimerWindow(Timer& timer) : CustomWindow("", 0, 0, 0, 0, 0, 0), timer_(&timer) {}

LRESULT TimerWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Whatever the id: the window runs no other timer.
    if (message == WM_TIMER) {
        timer_->tick();
        return 0;
    }
    return CustomWindow::handleMessage(window, message, wParam, lParam);
}

} // namespace tamba::gui
