#include "games/PictureDialog.h"

#include "app/Application.h"
#include "gui/Scale.h"

#include <windowsx.h>

namespace tamba::games {

PictureDialog::PictureDialog(int bitmap)
    : Dialog(nullptr, templateId), percent_(gui::Scale::percent()),
      picture_(gui::Scale::resource(bitmap, percent_)) {}

void PictureDialog::onInitDialog() {
    const RECT& area = app::Application::current()->playMonitor();
    const SIZE size = picture_.size();
    const LONG left = area.left + (area.right - area.left - size.cx) / 2;
    const LONG top = area.top + (area.bottom - area.top - size.cy) / 2;
    // Beneath a program full screen on that monitor, as the toy's other windows there.
    const RECT place = {left, top, left + size.cx, top + size.cy};
    const bool topmost = app::Application::current()->toyWindows().topmostAt(place);
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, size.cx, size.cy, SWP_SHOWWINDOW);
}

INT_PTR PictureDialog::dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(dialog, &paint);
        RECT client;
        GetClientRect(dialog, &client);
        picture_.draw(dc, client);
        EndPaint(dialog, &paint);
    } else if (message == WM_LBUTTONDOWN) {
        const POINT at = gui::Scale::fromScreen(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, percent_);
        if (PtInRect(&closeBox, at) || PtInRect(&playBox, at))
            close(true);
    } else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        // Escape, as the close box.
        close(true);
        return true;
    }
    // Never reported handled: the platform's own handling follows every message.
    return false;
}

} // namespace tamba::games
