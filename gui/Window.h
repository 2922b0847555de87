#pragma once

#include <windows.h>

namespace tamba::gui {

// Root of every window object: holds the handle and a few small operations. Every operation that acts on
// the window is harmless while there is none.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // False sends the window to the bottom of the z-order, not merely out of the top-most band.
    virtual void setTopmost(bool topmost);
    // Whether the window is kept in the top-most band.
    virtual bool topmost() const;

    HWND handle() const { return hwnd_; }

    void makeVisible();
    // In the middle of the monitor the current activity plays on.
    void centreOnDesktop();
    // In logical (100 %) pixels, as the games count them.
    void moveTo(int x, int y);
    void focus();
    // In logical (100 %) pixels, as the games count them.
    void windowRect(RECT& rect) const;
    // In screen pixels.
    void screenRect(RECT& rect) const;
    void refreshClient();

protected:
    HWND hwnd_ = nullptr; // owned: destroyed with this object unless the platform destroyed it first
};

} // namespace tamba::gui
