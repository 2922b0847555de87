#pragma once

#include "app/CustomWindow.h"

namespace tamba::gui {

class Timer;

// The never-visible window whose window timer drives a Timer.
class TimerWindow : public app::CustomWindow {
public:
    explicit TimerWindow(Timer& timer);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Timer* timer_; // not owned: the Timer owns this window
};

} // namespace tamba::gui
