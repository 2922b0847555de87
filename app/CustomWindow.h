#pragma once

#include "gui/Window.h"
#include "tamba_util/String.h"

namespace tamba::app {

// A window of the program's one registered class, bound one-to-one to this object through the window's
// user data; its messages become calls of the virtual handlers below.
class CustomWindow : public gui::Window {
public:
    static constexpr const char* className = "TambaGuiCustomWindow";

    CustomWindow(const util::String& title, DWORD exStyle, DWORD style, int x, int y, int width, int height);
    ~CustomWindow() override;

    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void onPaint(PAINTSTRUCT& paint);
    virtual void onSize(int width, int height);
    // Returning false keeps the window open.
    virtual bool onClose();
    virtual void onCommand(int id, int code);
    // Screen coordinates, negative on a monitor left of or above the primary one; a menu asked for from
    // the keyboard arrives as the middle of the window that asked.
    virtual void onContextMenu(int x, int y);

    // The object a window of this class is bound to, or none.
    static CustomWindow* fromHandle(HWND window);

private:
    static void registerClass();
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace tamba::app
