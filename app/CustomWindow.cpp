#include "app/CustomWindow.h"

#include "app/Application.h"
#include "tamba_util/Exception.h"

#include <windowsx.h>

namespace tamba::app {

namespace {
bool classRegistered = false;
}

void CustomWindow::registerClass() {
    if (classRegistered)
        return;
    // Set before the attempt: a failed registration is not retried, later creations fail instead.
    classRegistered = true;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_SAVEBITS;
    windowClass.lpfnWndProc = &CustomWindow::windowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = Application::current()->instanceHandle();
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0)
        throw util::Exception("Could not register custom window class");
}

CustomWindow::CustomWindow(const util::String& title, DWORD exStyle, DWORD style, int x, int y, int width,
                           int height) {
    registerClass();
    hwnd_ = CreateWindowExA(exStyle, className, title.c_str(), style, x, y, width, height, nullptr, nullptr,
                            Application::current()->instanceHandle(), this);
    if (hwnd_ == nullptr)
        throw util::Exception("Could not create custom window");
}

CustomWindow::~CustomWindow() {
    // Unbind first so that no message reaches the half-destroyed object.
    if (hwnd_ != nullptr && IsWindow(hwnd_))
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

CustomWindow* CustomWindow::fromHandle(HWND window) {
    return reinterpret_cast<CustomWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK CustomWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomWindow* self = fromHandle(window);
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CustomWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    // No exception may unwind through the platform's dispatch: log it and carry on.
    try {
        result = self->handleMessage(window, message, wParam, lParam);
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
    } catch (...) {
        Application::current()->logger().log("Unexpected exception in a window procedure\n");
    }
    if (message == WM_DESTROY) {
        // Destroyed by the platform (a close request, say): the number may soon name another window, so
        // neither the object nor the window may keep the other.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (self->hwnd_ == window)
            self->hwnd_ = nullptr;
    }
    return result;
}

namespace {
// The point the menu opens at: the message's screen coordinates, signed (a monitor left of or above the
// primary one has negative ones); a request from the keyboard (Shift+F10, the menu key) comes as -1, -1
// and opens the menu in the middle of the window that asked.
POINT menuPoint(HWND window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != 0xFFFFFFFFu)
        return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    HWND asking = reinterpret_cast<HWND>(wParam);
    RECT rect = {};
    GetWindowRect(asking != nullptr && IsWindow(asking) ? asking : window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
} // namespace

LRESULT CustomWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        onSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        onPaint(paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE:
        if (onClose())
            return DefWindowProcA(window, message, wParam, lParam);
        return 0;
    case WM_CONTEXTMENU: {
        const POINT point = menuPoint(window, wParam, lParam);
        onContextMenu(point.x, point.y);
        return 0;
    }
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void CustomWindow::onPaint(PAINTSTRUCT&) {}
void CustomWindow::onSize(int, int) {}
bool CustomWindow::onClose() {
    return true;
}
void CustomWindow::onCommand(int, int) {}
void CustomWindow::onContextMenu(int, int) {}

} // namespace tamba::app
