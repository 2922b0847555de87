#pragma once

#include <windows.h>

namespace tamba::app {

// An activity the controller can make current: the splash screen, the idle character or a game.
// Activities are members of the controller and never deleted through this interface.
class Game {
public:
    // Become current: show the windows and begin the animations.
    virtual void start() = 0;
    // Cease to be current: hide the windows and stop what start began.
    virtual void stop() = 0;
    // The area its fixed layout needs, in logical (100 %) pixels: where a monitor at the toy's scale is
    // smaller, the activity plays at the largest scale at which it fits.
    virtual SIZE layoutSize() const { return SIZE{0, 0}; }

protected:
    ~Game() = default;
};

} // namespace tamba::app
