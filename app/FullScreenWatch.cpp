#include "app/FullScreenWatch.h"

#include "gui/Monitors.h"
#include "gui/ToyWindows.h"

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

bool captionless(DWORD style) {
    return (style & WS_CAPTION) != WS_CAPTION;
}

DWORD processOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Windows 8 and later keep some windows visible but cloaked (apps suspended or on another virtual
// desktop): the user sees nothing of them. Looked up rather than linked, as systems before it have no such
// state.
bool cloaked(HWND window) {
    using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    static const GetAttribute get = [] {
        HMODULE dwm = LoadLibraryA("dwmapi.dll");
        return dwm != nullptr ? reinterpret_cast<GetAttribute>(reinterpret_cast<void (*)()>(
                                    GetProcAddress(dwm, "DwmGetWindowAttribute")))
                              : nullptr;
    }();
    constexpr DWORD cloakedAttribute = 14; // DWMWA_CLOAKED
    DWORD value = 0;
    return get != nullptr && SUCCEEDED(get(window, cloakedAttribute, &value, sizeof value)) && value != 0;
}

// Walks the top-level windows from the top of the z-order down, deciding each monitor at the first window
// on it that counts; stops once every monitor is decided.
struct ZOrderWalk {
    const gui::Monitors* monitors;
    const gui::ToyWindows* own;
    DWORD ownProcess;
    DWORD shellProcess;
    std::vector<bool> decided;
    unsigned left;
    std::vector<RECT> covered;

    static BOOL CALLBACK visit(HWND window, LPARAM data) {
        return reinterpret_cast<ZOrderWalk*>(data)->look(window) ? TRUE : FALSE;
    }

    bool look(HWND window) {
        // Most windows at the top are the toy's own: known without a call.
        if (own->find(window) != nullptr)
            return true;
        // The style first: it rules out the hidden and minimized windows, most of them, at one call.
        const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
        if ((style & WS_VISIBLE) == 0 || (style & WS_MINIMIZE) != 0)
            return true;
        const DWORD process = processOf(window);
        if (process == ownProcess || process == shellProcess)
            return true;
        RECT rect;
        if (!GetWindowRect(window, &rect) || IsRectEmpty(&rect))
            return true;
        const bool noCaption = captionless(style);
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
        // Floating for a moment over whatever is beneath, or passing the mouse through: they decide nothing.
        const bool floating = noCaption && (exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) != 0;
        const bool clickThrough = (exStyle & WS_EX_TRANSPARENT) != 0;
        // Any other window uncovers the monitor it lies most on, not one it merely reaches into.
        const RECT* home = &monitors->nearest(rect);
        bool lookedAtCloak = false;
        for (unsigned i = 0; i < monitors->count(); ++i) {
            if (decided[i])
                continue;
            const RECT& monitor = monitors->at(i);
            const bool fills = noCaption && covers(rect, monitor);
            if (!fills && (floating || clickThrough || &monitor != home))
                continue;
            RECT common;
            if (!IntersectRect(&common, &rect, &monitor))
                continue;
            if (!lookedAtCloak) {
                lookedAtCloak = true;
                if (cloaked(window))
                    return true;
            }
            decided[i] = true;
            --left;
            if (fills)
                covered.push_back(monitor);
        }
        return left > 0;
    }
};
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

std::vector<RECT> FullScreenWatch::coveredMonitors(HWND front, const gui::Monitors& monitors,
                                                   const gui::ToyWindows& own, bool askShell) {
    if (askShell)
        shellState_ = shellState();
    std::vector<RECT> covered;
    if (shellState_ == presenting) {
        for (unsigned i = 0; i < monitors.count(); ++i)
            covered.push_back(monitors.at(i));
        return covered;
    }
    HWND shell = GetShellWindow();
    ZOrderWalk walk{&monitors,
                    &own,
                    GetCurrentProcessId(),
                    shell != nullptr ? processOf(shell) : 0,
                    std::vector<bool>(monitors.count(), false),
                    monitors.count(),
                    {}};
    EnumWindows(ZOrderWalk::visit, reinterpret_cast<LPARAM>(&walk));
    covered = std::move(walk.covered);
    // The shell knows better than the windows' shapes (an exclusive Direct3D program, say), but not which
    // monitor: the one the foreground window is on.
    RECT rect;
    if ((shellState_ == busy || shellState_ == direct3D) && front != nullptr && front != GetDesktopWindow() &&
        processOf(front) != walk.ownProcess && processOf(front) != walk.shellProcess &&
        GetWindowRect(front, &rect))
        addOnce(covered, monitors.nearest(rect));
    return covered;
}

} // namespace tamba::app
