#pragma once

#include <vector>
#include <windows.h>

namespace tamba::gui {
class Monitors;
class ToyWindows;
} // namespace tamba::gui

namespace tamba::app {

// Which monitors another program fills now, so that the toy's windows there keep beneath it. A monitor is
// covered while the highest window on it that counts (one lying mostly on it, or filling it) is another
// program's window with no caption that fills it (a full-screen video, game or browser), whichever window
// has the keyboard, or while the shell says the user is busy with a full-screen program on the foreground
// window's monitor, or presenting. A maximized window keeps its caption, whatever the taskbar does; the
// desktop, the shell's and the toy's own windows never count, nor do the small captionless windows that
// float over a full-screen one for a moment (tooltips, menus, notifications, overlays).
class FullScreenWatch {
public:
    // The shell's answer is kept between askings: it is asked when askShell is true. The toy's own windows
    // are passed over without asking the platform about them.
    std::vector<RECT> coveredMonitors(HWND front, const gui::Monitors& monitors, const gui::ToyWindows& own,
                                      bool askShell);

private:
    static int shellState();

    int shellState_ = 0;
};

} // namespace tamba::app
