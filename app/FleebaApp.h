#pragma once

#include "app/MainWindow.h"
#include "gui/Timer.h"

namespace tamba::app {

// The application controller: a hidden window titled "Fleeba" that owns everything the user sees.
class FleebaApp : public MainWindow {
public:
    static constexpr unsigned tickMs = 100;

    FleebaApp();

    gui::Timer& timer() { return timer_; }

private:
    gui::Timer timer_;
};

} // namespace tamba::app
