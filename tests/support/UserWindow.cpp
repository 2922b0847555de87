#include "support/UserWindow.h"

#include "support/TestEnvironment.h"

namespace tamba::test {

UserWindow::UserWindow(DWORD style, int x, int y, int width, int height) {
    static const ATOM windowClass = [] {
        WNDCLASSA c = {};
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleA(nullptr);
        c.hbrBackground = CreateSolidBrush(colour); // lives as long as the class
        c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        c.lpszClassName = "TestUserWindow";
        return RegisterClassA(&c);
    }();
    handle = CreateWindowExA(0, MAKEINTATOM(windowClass), "User", style, x, y, width, height, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(handle, (style & WS_MAXIMIZE) != 0 ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(handle);
    pumpUntil([&] { return GetForegroundWindow() == handle; }, 3000);
}

UserWindow::~UserWindow() {
    DestroyWindow(handle);
}

LRESULT CALLBACK UserWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<UserWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_KEYDOWN && self != nullptr)
        ++self->keys;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace tamba::test
