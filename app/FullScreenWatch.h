#pragma once

#include <vector>
#include <windows.h>

namespace tamba::gui {
class Monitors;
}

namespace tamba::app {

// Which monitors another program fills now, so that the toy's windows there keep beneath it: the
// foreground window of another program covering a whole monitor with no caption (a full-screen video,
// game or browser), or the shell saying the user is busy with a full-screen program or presenting. A
// maximized window keeps its caption, whatever the taskbar does; the desktop and the shell's own windows
// never count.
class FullScreenWatch {
public:
    // The shell's answer is kept between askings: it is asked when askShell is true.
    std::vector<RECT> coveredMonitors(HWND front, const gui::Monitors& monitors, bool askShell);

private:
    static int shellState();

    int shellState_ = 0;
};

} // namespace tamba::app
