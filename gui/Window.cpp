#include "gui/Window.h"

#include "app/Application.h"
#include "gui/Scale.h"

namespace tamba::gui {

Window::~Window() {
    if (hwnd_ != nullptr && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

void Window::setTopmost(bool topmost) {
    if (hwnd_ == nullptr)
        return;
    // Restacking never activates: the keyboard stays with the program the user works in.
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (topmost) {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, flags);
        return;
    }
    // Sent to the bottom, a top-most window leaves its band. Not leaving it first: that would raise the
    // window above every other for a moment, and under X it would stay above them. Wine keeps the band
    // for a window that is the bottom one already, which must leave it explicitly.
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, flags);
    if ((GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
        SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, flags);
    }
}

bool Window::topmost() const {
    return hwnd_ != nullptr && (GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Window::makeVisible() {
    if (hwnd_ != nullptr)
        ShowWindow(hwnd_, SW_SHOWNA); // without taking the keyboard from the user's program
}

void Window::centreOnDesktop() {
    if (hwnd_ == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd_, &client);
    const RECT& area = app::Application::current()->playMonitor();
    const int w = client.right;
    const int h = client.bottom;
    MoveWindow(hwnd_, area.left + (area.right - area.left - w) / 2,
               area.top + (area.bottom - area.top - h) / 2, w, h, TRUE);
}

void Window::moveTo(int x, int y) {
    if (hwnd_ == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd_, &client);
    MoveWindow(hwnd_, Scale::toScreen(x), Scale::toScreen(y), client.right, client.bottom, TRUE);
}

void Window::focus() {
    if (hwnd_ != nullptr)
        SetFocus(hwnd_);
}

void Window::windowRect(RECT& rect) const {
    screenRect(rect);
    rect = Scale::fromScreen(rect);
}

void Window::screenRect(RECT& rect) const {
    if (hwnd_ == nullptr) {
        rect = RECT{0, 0, 0, 0};
        return;
    }
    GetWindowRect(hwnd_, &rect);
}

void Window::refreshClient() {
    if (hwnd_ == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd_, &client);
    InvalidateRect(hwnd_, &client, TRUE);
}

} // namespace tamba::gui
