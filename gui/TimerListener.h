#pragma once

namespace tamba::gui {

class Timer;

// Anything that wants a call once per period of a Timer.
class TimerListener {
public:
    virtual void tick(Timer& timer) = 0;

protected:
    ~TimerListener() = default;
};

} // namespace tamba::gui
