#pragma once

#include <set>
#include <string>
#include <vector>
#include <windows.h>

namespace tamba::test {

// Handles the messages that are waiting, then keeps doing so for the given time.
void pumpMessages(DWORD milliseconds = 0);

// Pumps messages until the condition holds or the time is up; returns the condition's last value.
template <class Condition> bool pumpUntil(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return condition();
        pumpMessages(10);
    }
    return true;
}

// The directory of the running test executable, with a trailing backslash.
std::string executableDirectory();

// The program under test: fleeba.exe one directory above the test executables.
std::string programPath();

// Waits for a top-level window of the program's class with that title (any process).
HWND waitForWindow(const char* title, DWORD timeoutMs);

// The visible top-level windows that belong to a process, in z-order from the top.
std::vector<HWND> visibleWindowsOf(DWORD processId);

std::string windowTitle(HWND window);

// The process's character window once it stands in its place past the splash panel (30 s at most), or null.
HWND characterOf(DWORD processId);

// The process's first visible dialog box, or null.
HWND dialogOf(DWORD processId);

// The names of the files that match a pattern ("C:\\dir\\*.url", say).
std::set<std::string> filesMatching(const std::string& pattern);

RECT rectOf(HWND window);

// The popup menu, while one is open on the screen.
HWND visibleMenu();

// A screen point that the window's outline covers, as near its middle as there is one, preferring one
// that no other window covers.
bool pointInOutline(HWND window, POINT& point);

// A window's outline as the platform's region data (an RGNDATA), empty if the window has none.
std::vector<char> outlineData(HWND window);

// Whether the window is in the top-most band; whether every visible window of a process is (or none is).
bool topmost(HWND window);
bool allTopmost(DWORD processId, bool expected);

COLORREF screenColour(POINT at);

// A text of a program file's version resource ("ProductVersion", say), in its first language; empty when
// the file has none.
std::string versionText(const std::string& path, const char* name);

} // namespace tamba::test
