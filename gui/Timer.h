#pragma once

#include "gui/TimerListener.h"
#include "tamba_util/AList.h"

#include <memory>
#include <windows.h>

namespace tamba::gui {

class TimerWindow;

// Ticks its listeners once per period, in the order they registered, from a window timer on the GUI thread:
// a tick never overlaps another message handler.
class Timer {
public:
    Timer(unsigned periodMs, bool startNow);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    virtual ~Timer();

    void start();
    void stop();
    bool running() const { return windowTimerId_ != 0; }
    unsigned periodMs() const { return periodMs_; }

    void addListener(TimerListener* listener);
    // Takes out the first registration of the listener only.
    void removeListener(TimerListener* listener);
    unsigned listenerCount() const { return listeners_.count(); }
    // In the order of registration; a bad index throws BoundsException.
    TimerListener* listener(unsigned index) const { return listeners_[index]; }

    void tick();

    HWND windowHandle() const;

private:
    std::unique_ptr<TimerWindow> window_;
    UINT_PTR windowTimerId_;
    unsigned periodMs_;
    util::AList<TimerListener> listeners_; // not owned
};

} // namespace tamba::gui
