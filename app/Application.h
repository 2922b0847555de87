#pragma once

#include "tamba_util/ProgramContext.h"

#include <windows.h>

namespace tamba::gui {
class Window;
}

namespace tamba::app {

// The process-wide object: instance handle, the desktop rectangle taken at start, the active modeless
// dialog and the message loop.
class Application : public util::ProgramContext {
public:
    Application(HINSTANCE instance, util::Logger& logger);
    // The application that was current before this one is current again.
    ~Application() override;

    static Application* current();

    HINSTANCE instanceHandle() const { return instance_; }
    const RECT& desktopRect() const { return desktopRect_; }

    // The dialog whose window is active gets the first look at every message (keyboard navigation).
    gui::Window* activeDialog() const { return activeDialog_; }
    void setActiveDialog(gui::Window* dialog) { activeDialog_ = dialog; }

    // Runs until the quit message arrives.
    void run();
    void quit();

    // One step of the loop for a message already taken off the queue.
    void dispatch(MSG& message);

private:
    HINSTANCE instance_;        // not owned: the module's handle
    RECT desktopRect_;          // never refreshed: centring uses the screen the program started on
    gui::Window* activeDialog_; // not owned; set and cleared by the dialog layer
    Application* previous_;     // not owned: the one this replaced as current, or none
};

} // namespace tamba::app
