#include "app/FullScreenWatch.h"

#include "gui/Monitors.h"

#include <algorithm>

namespace tamba::app {

namespace {
// The shell's user notification states (SHQueryUserNotificationState) that mean "do not disturb".
constexpr int busy = 2;       // a full-screen program has the foreground
constexpr int direct3D = 3;   // a full-screen Direct3D program runs
constexpr int presenting = 4; // presentation settings are on

using QueryState = HRESULT(WINAPI*)(int*);

bool covers(const RECT& window, const RECT& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

void addOnce(std::vector<RECT>& monitors, const RECT& monitor) {
    if (std::none_of(monitors.begin(), monitors.end(),
                     [&](const RECT& r) { return EqualRect(&r, &monitor); }))
        monitors.push_back(monitor);
}

// Whether the window (not the desktop) is another program's, and not the shell's.
bool anotherProgramsWindow(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId())
        return false;
    HWND shell = GetShellWindow();
    DWORD shellProcess = 0;
    if (shell != nullptr)
        GetWindowThreadProcessId(shell, &shellProcess);
    return process != shellProcess;
}
} // namespace

int FullScreenWatch::shellState() {
    // Looked up rather than linked: a system without it simply has no state to give.
    static const QueryState query = [] {
        HMODULE shell = GetModuleHandleA("shell32.dll");
        if (shell == nullptr)
            shell = LoadLibraryA("shell32.dll");
        return shell != nullptr ? reinterpret_cast<QueryState>(reinterpret_cast<void (*)()>(
                                      GetProcAddress(shell, "SHQueryUserNotificationState")))
                                : nullptr;
    }();
    int state = 0;
    if (query == nullptr || FAILED(query(&state)))
        return 0;
    return state;
}

std::vector<RECT> FullScreenWatch::coveredMonitors(HWND front, const gui::Monitors& monitors, bool askShell) {
    if (askShell)
        shellState_ = shellState();
    std::vector<RECT> covered;
    if (shellState_ == presenting) {
        for (unsigned i = 0; i < monitors.count(); ++i)
            covered.push_back(monitors.at(i));
        return covered;
    }
    // Cheapest tests first: this runs several times a second.
    if (front == nullptr || front == GetDesktopWindow())
        return covered;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(front, GWL_STYLE));
    const bool captionless =
        (style & WS_CAPTION) != WS_CAPTION && (style & WS_VISIBLE) != 0 && (style & WS_MINIMIZE) == 0;
    const bool shellBusy = shellState_ == busy || shellState_ == direct3D;
    if (!captionless && !shellBusy)
        return covered;
    RECT rect;
    if (!GetWindowRect(front, &rect) || !anotherProgramsWindow(front))
        return covered;
    if (captionless) {
        for (unsigned i = 0; i < monitors.count(); ++i)
            if (covers(rect, monitors.at(i)))
                addOnce(covered, monitors.at(i));
    }
    // The shell knows better than the window's shape (an exclusive Direct3D program, say), but not which
    // monitor: the one the foreground window is on.
    if (shellBusy)
        addOnce(covered, monitors.nearest(rect));
    return covered;
}

} // namespace tamba::app
