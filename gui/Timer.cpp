#include "gui/Timer.h"

#include "gui/TimerWindow.h"

namespace tamba::gui {

Timer::Timer(unsigned periodMs, bool startNow)
    : window_(std::make_unique<TimerWindow>(*this)), windowTimerId_(0), periodMs_(periodMs) {
    if (startNow)
        start();
}

Timer::~Timer() {
    listeners_.clear();
    stop();
    window_.reset();
}

HWND Timer::windowHandle() const {
    return window_->handle();
}

// The Timer's address is its window timer id, so restarting replaces the one window timer.
void Timer::start() {
    stop();
    windowTimerId_ = SetTimer(window_->handle(), reinterpret_cast<UINT_PTR>(this), periodMs_, nullptr);
}

void Timer::stop() {
    if (windowTimerId_ == 0)
        return;
    KillTimer(window_->handle(), reinterpret_cast<UINT_PTR>(this));
    windowTimerId_ = 0;
}

void Timer::addListener(TimerListener* listener) {
    listeners_.append(listener);
}

void Timer::removeListener(TimerListener* listener) {
    listeners_.remove(listener);
}

void Timer::tick() {
    // The count is read anew each step: a listener may register or leave during the tick.
    for (unsigned i = 0; i < listeners_.count(); ++i)
        listeners_[i]->tick(*this);
}

} // namespace tamba::gui
