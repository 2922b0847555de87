#include "app/OptionsDialog.h"

#include "app/Application.h"

#include "res/resource.h"

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
} // namespace

OptionsDialog::OptionsDialog(gui::Window* owner, bool* playSounds, bool* onTop, bool* runOnStartup)
    : Dialog(owner, IDD_OPTIONS), background_(backgroundPicture), brush_(CreateSolidBrush(panelBlue)),
      playSounds_(playSounds), onTop_(onTop), runOnStartup_(runOnStartup) {}

void OptionsDialog::onInitDialog() {
    const SIZE size = background_.size();
    const RECT& desktop = Application::current()->desktopRect();
    SetWindowPos(hwnd_, HWND_TOPMOST, (desktop.right - size.cx) / 2, (desktop.bottom - size.cy) / 2, size.cx,
                 size.cy, SWP_SHOWWINDOW);
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
