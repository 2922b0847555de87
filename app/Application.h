#pragma once

#include "gui/Monitors.h"
#include "gui/Scale.h"
#include "gui/ToyWindows.h"
#include "tamba_util/ProgramContext.h"

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tamba::gui {
class Window;
}

namespace tamba::app {

// The process-wide object: instance handle, the monitors, the toy's own top-level windows, the active
// modeless dialog and the message loop.
class Application : public util::ProgramContext {
public:
    Application(HINSTANCE instance, util::Logger& logger);
    // The application that was current before this one is current again.
    ~Application() override;

    static Application* current();

    HINSTANCE instanceHandle() const { return instance_; }
    // The primary monitor's rectangle as last read, in logical (100 %) pixels at the toy's scale.
    RECT desktopRect() const { return gui::Scale::inside(monitors_.primary()); }
    gui::Monitors& monitors() { return monitors_; }
    gui::ToyWindows& toyWindows() { return toyWindows_; }
    // The monitor the current activity plays on, in screen pixels: the primary one until a game or the
    // character is started from a menu asked for on another.
    const RECT& playMonitor() const { return playMonitor_; }
    void setPlayMonitor(const RECT& monitor) { playMonitor_ = monitor; }
    // The same monitor in logical (100 %) pixels at the toy's scale: where the games play.
    RECT playArea() const { return gui::Scale::inside(playMonitor_); }

    // A window of the toy was told that its monitor's dots per inch changed (moved to a monitor of another
    // scale); the controller takes the news at its next tick. Zero: no news.
    void noteDpiChange(int dpi) { dpiChange_ = dpi; }
    int takeDpiChange() {
        const int dpi = dpiChange_;
        dpiChange_ = 0;
        return dpi;
    }

    // The dialog whose window is active gets the first look at every message (keyboard navigation).
    gui::Window* activeDialog() const { return activeDialog_; }
    void setActiveDialog(gui::Window* dialog) { activeDialog_ = dialog; }

    // Runs until the quit message arrives.
    void run();
    void quit();

    // One step of the loop for a message already taken off the queue.
    void dispatch(MSG& message);

private:
    HINSTANCE instance_; // not owned: the module's handle
    gui::Monitors monitors_;
    gui::ToyWindows toyWindows_;
    RECT playMonitor_;
    int dpiChange_ = 0;
    gui::Window* activeDialog_; // not owned; set and cleared by the dialog layer
    Application* previous_;     // not owned: the one this replaced as current, or none
};

} // namespace tamba::app
