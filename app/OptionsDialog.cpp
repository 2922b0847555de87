#include "app/OptionsDialog.h"

#include "app/Application.h"

#include "res/resource.h"

#include <algorithm>

namespace tamba::app {

namespace {
constexpr int backgroundPicture = 103;
constexpr COLORREF panelBlue = RGB(0, 0, 128);

void setBox(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

bool boxIsTicked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// The template is laid out in dialog units, which follow the font: where the font is wider than the
// picture was drawn for, a control may reach past the picture's edge. Such a control moves back in.
void keepControlsInside(HWND dialog) {
    constexpr int margin = 8;
    RECT client;
    GetClientRect(dialog, &client);
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        const int dx = std::min(0L, client.right - margin - rect.right);
        const int dy = std::min(0L, client.bottom - margin - rect.bottom);
        if (dx != 0 || dy != 0)
            SetWindowPos(control, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
} // namespace

OptionsDialog::OptionsDialog(gui::Window* owner, bool* playSounds, bool* onTop, bool* runOnStartup)
    : Dialog(owner, IDD_OPTIONS), background_(backgroundPicture), brush_(CreateSolidBrush(panelBlue)),
      playSounds_(playSounds), onTop_(onTop), runOnStartup_(runOnStartup) {}

void OptionsDialog::onInitDialog() {
    const SIZE size = background_.size();
    // In the middle of the monitor the user chose Options on.
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    const RECT& area = Application::current()->monitors().nearest(cursor);
    SetWindowPos(hwnd_, HWND_TOPMOST, area.left + (area.right - area.left - size.cx) / 2,
                 area.top + (area.bottom - area.top - size.cy) / 2, size.cx, size.cy, SWP_SHOWWINDOW);
    keepControlsInside(hwnd_);
    setBox(hwnd_, IDC_PLAY_SOUNDS, *playSounds_);
    setBox(hwnd_, IDC_RUN_ON_STARTUP, *runOnStartup_);
    setBox(hwnd_, IDC_ON_TOP, *onTop_);
}

void OptionsDialog::onCommand(WORD id, WORD) {
    if (id == IDOK) {
        *playSounds_ = boxIsTicked(hwnd_, IDC_PLAY_SOUNDS);
        *runOnStartup_ = boxIsTicked(hwnd_, IDC_RUN_ON_STARTUP);
        *onTop_ = boxIsTicked(hwnd_, IDC_ON_TOP);
        close(true);
    } else if (id == IDCANCEL) {
        close(false);
    }
}

INT_PTR OptionsDialog::dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(dialog, &paint);
        RECT client;
        GetClientRect(dialog, &client);
        background_.draw(dc, client);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        // The check boxes' labels: white on the panel's blue.
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(brush_.get());
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<INT_PTR>(brush_.get());
    default:
        return Dialog::dialogMessage(dialog, message, wParam, lParam);
    }
}

} // namespace tamba::app
