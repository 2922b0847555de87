#pragma once

#include <windows.h>

namespace tamba::gui {

// A window's (or, for no window, the screen's) device context from GetDC, released when this goes.
// Move-only.
class WindowDeviceContext {
public:
    explicit WindowDeviceContext(HWND window);
    WindowDeviceContext(const WindowDeviceContext&) = delete;
    WindowDeviceContext& operator=(const WindowDeviceContext&) = delete;
    WindowDeviceContext(WindowDeviceContext&& other) noexcept;
    WindowDeviceContext& operator=(WindowDeviceContext&& other) noexcept;
    ~WindowDeviceContext();

    // Null when the platform gave no context.
    HDC handle() const { return dc_; }

private:
    void release();

    HWND window_; // not owned: the window the context belongs to, null for the screen
    HDC dc_;      // owned until released back to the window's context cache
};

} // namespace tamba::gui
