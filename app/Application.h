#pragma once

#include "gui/Monitors.h"
#include "gui/Scale.h"
#include "gui/ToyWindows.h"
#include "tamba_util/ProgramContext.h"

#include <functional>
#include <vector>
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

    // What the desktop did, noted where the news arrives and applied by the controller in one step at its
    // next tick: the monitors came, went or moved; a window of the toy was told that its monitor's dots per
    // inch changed (moved to a monitor of another scale, or the monitor's scale changed).
    struct DesktopNews {
        bool layout = false;
        std::vector<HWND> dpiWindows; // not owned
        bool any() const { return layout || !dpiWindows.empty(); }
    };
    void noteLayoutChange() { news_.layout = true; }
    void noteDpiChange(HWND window);
    const DesktopNews& news() const { return news_; }
    DesktopNews takeNews();

    // A modal loop of the toy's own (a dialog's, the popup menu's) for as long as this lives: changes of the
    // desktop wait until none runs, so that a game never starts again inside its own instructions.
    class ModalLoop {
    public:
        // end: asks the loop to return to its caller.
        explicit ModalLoop(std::function<void()> end);
        ~ModalLoop();
        ModalLoop(const ModalLoop&) = delete;
        ModalLoop& operator=(const ModalLoop&) = delete;

    private:
        friend class Application;
        std::function<void()> end_;
    };
    bool inModalLoop() const { return !modalLoops_.empty(); }
    // Asks every modal loop of the toy to end; each returns once its loop has looked at its messages.
    void endModalLoops() const;

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
    DesktopNews news_;
    std::vector<ModalLoop*> modalLoops_; // not owned: each leaves the list when its loop ends
    gui::Window* activeDialog_;          // not owned; set and cleared by the dialog layer
    Application* previous_;              // not owned: the one this replaced as current, or none
};

} // namespace tamba::app
