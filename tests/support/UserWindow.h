#pragma once

#include <windows.h>

namespace tamba::test {

// A top-level window of the test's own process, standing for a program the user works in: made the
// foreground window when it opens, it counts the keys that reach it. Painted in one colour, so that the
// screen shows where it is.
class UserWindow {
public:
    static constexpr COLORREF colour = RGB(40, 170, 90);

    // WS_MAXIMIZE in the style opens it maximized.
    UserWindow(DWORD style, int x, int y, int width, int height);
    ~UserWindow();
    UserWindow(const UserWindow&) = delete;
    UserWindow& operator=(const UserWindow&) = delete;

    HWND handle = nullptr; // owned
    int keys = 0;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace tamba::test
