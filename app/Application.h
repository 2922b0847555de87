#pragma once

#include "gui/Monitors.h"
#include "gui/ToyWindows.h"
#include "tamba_util/ProgramContext.h"

#include <windows.h>

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
    // The primary monitor's rectangle, as last read.
    const RECT& desktopRect() const { return monitors_.primary(); }
    gui::Monitors& monitors() { return monitors_; }
    gui::ToyWindows& toyWindows() { return toyWindows_; }
    // The monitor the current activity plays on: the primary one until a game or the character is
    // started from a menu asked for on another.
    const RECT& playArea() const { return playArea_; }
    void setPlayArea(const RECT& area) { playArea_ = area; }

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
    RECT playArea_;
    gui::Window* activeDialog_; // not owned; set and cleared by the dialog layer
    Application* previous_;     // not owned: the one this replaced as current, or none
};

} // namespace tamba::app
