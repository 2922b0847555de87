#include "support/TestEnvironment.h"

#include <cstdio>

namespace tamba::test {

void pumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

std::string executableDirectory() {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer);
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string programPath() {
    return executableDirectory() + "..\\fleeba.exe";
}

HWND waitForWindow(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindWindowA("TambaGuiCustomWindow", title);
        if (found != nullptr || GetTickCount() - start > timeoutMs)
            return found;
        pumpMessages(20);
    }
}

namespace {
struct Search {
    DWORD processId;
    std::vector<HWND> found;
};
BOOL CALLBACK collectVisible(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> visibleWindowsOf(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string windowTitle(HWND window) {
    char buffer[256] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

bool pointInOutline(HWND window, POINT& point) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(window, region) != ERROR;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    bool found = false;
    // A point of the outline that shows on the screen; one that another window covers (the golfer over
    // its ball, say) only if none does.
    auto shows = [&](int x, int y) {
        if (!PtInRegion(region, x, y))
            return false;
        const POINT at = {rect.left + x, rect.top + y};
        if (!found) {
            point = at;
            found = true;
        }
        if (WindowFromPoint(at) != window)
            return false;
        point = at;
        return true;
    };
    bool shown = false;
    // The middle column first, nearest the middle; then the rest of the outline, every other pixel.
    for (int dy = 0; dy <= h / 2 && shaped && !shown; ++dy)
        for (int y : {h / 2 - dy, h / 2 + dy})
            if (!shown)
                shown = shows(w / 2, y);
    for (int y = 0; y < h && shaped && !shown; y += 2)
        for (int x = 0; x < w && !shown; x += 2)
            shown = shows(x, y);
    DeleteObject(region);
    return found;
}

std::vector<char> outlineData(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::vector<char> data;
    if (GetWindowRgn(window, region) != ERROR) {
        data.resize(GetRegionData(region, 0, nullptr));
        if (!data.empty() && GetRegionData(region, static_cast<DWORD>(data.size()),
                                           reinterpret_cast<RGNDATA*>(data.data())) == 0)
            data.clear();
    }
    DeleteObject(region);
    return data;
}

RECT rectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

HWND visibleMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

bool topmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool allTopmost(DWORD processId, bool expected) {
    for (HWND window : visibleWindowsOf(processId))
        if (topmost(window) != expected)
            return false;
    return true;
}

COLORREF screenColour(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string versionText(const std::string& path, const char* name) {
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    if (data.empty() || !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()))
        return "";
    struct Translation {
        WORD language, codePage;
    }* translations = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &size) ||
        size < sizeof *translations)
        return "";
    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translations->language,
                  translations->codePage, name);
    char* text = nullptr;
    if (!VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&text), &size) || text == nullptr)
        return "";
    return text;
}

HWND characterOf(DWORD processId) {
    HWND character = nullptr;
    const bool shown = pumpUntil(
        [&] {
            for (HWND window : visibleWindowsOf(processId))
                if (windowTitle(window) == "FleebaWindow")
                    return (character = window) != nullptr;
            return false;
        },
        30000);
    if (!shown)
        return nullptr;
    // Past the splash the character walks to its place in the middle of the screen.
    pumpUntil([&] { return rectOf(character).left == 470; }, 2000);
    return character;
}

HWND dialogOf(DWORD processId) {
    for (HWND window : visibleWindowsOf(processId)) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770")
            return window;
    }
    return nullptr;
}

std::set<std::string> filesMatching(const std::string& pattern) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

} // namespace tamba::test
