#include "app/OptionsDialog.h"

#include "app/Application.h"
#include "gui/Scale.h"

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

// In the middle of the monitor the user chose Options on.
const RECT& optionsMonitor() {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    return Application::current()->monitors().nearest(cursor);
}

int fittingPercent() {
    return gui::Scale::fitting(gui::Scale::percent(), SIZE{362, 316}, optionsMonitor());
}

// Where each control lies on the 100 % picture: inside its blue panel, clear of the character.
struct Place {
    int id;
    RECT rect;
};
constexpr Place places[] = {
    {IDC_PLAY_SOUNDS, {24, 88, 244, 108}},  {IDC_RUN_ON_STARTUP, {24, 112, 244, 132}},
    {IDC_ON_TOP, {24, 136, 244, 156}},      {IDC_SIZE_LABEL, {24, 172, 68, 188}},
    {IDC_SIZE_CHOICE, {72, 168, 182, 328}}, {IDOK, {256, 206, 336, 230}},
    {IDCANCEL, {256, 236, 336, 260}},
};

// The choices of the size list, in order: "Automatic", then each drawn scale.
constexpr int sizeChoices = 1 + gui::Scale::count;

util::String sizeText(int choice) {
    if (choice == 0)
        return "Automatic";
    return util::String::fromInt(gui::Scale::percents[choice - 1]) + " %";
}
} // namespace

OptionsDialog::OptionsDialog(gui::Window* owner, bool* playSounds, bool* onTop, bool* runOnStartup, int* size)
    : Dialog(owner, IDD_OPTIONS), percent_(fittingPercent()),
      background_(gui::Scale::resource(backgroundPicture, percent_)), font_("MS Shell Dlg", 8, percent_),
      brush_(CreateSolidBrush(panelBlue)), playSounds_(playSounds), onTop_(onTop),
      runOnStartup_(runOnStartup), size_(size) {}

void OptionsDialog::onInitDialog() {
    // The template's dialog units follow the font, not the picture: every control is placed anew, before
    // the box is shown, so that nobody sees them jump.
    for (const Place& place : places) {
        HWND control = GetDlgItem(hwnd_, place.id);
        if (control == nullptr)
            continue;
        const RECT at = gui::Scale::toScreen(place.rect, percent_);
        SetWindowPos(control, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (font_.handle() != nullptr)
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    }
    HWND sizes = GetDlgItem(hwnd_, IDC_SIZE_CHOICE);
    int chosen = 0;
    for (int choice = 0; choice < sizeChoices; ++choice) {
        SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sizeText(choice).c_str()));
        if (choice > 0 && gui::Scale::percents[choice - 1] == *size_)
            chosen = choice;
    }
    SendMessageA(sizes, CB_SETCURSEL, chosen, 0);
    setBox(hwnd_, IDC_PLAY_SOUNDS, *playSounds_);
    setBox(hwnd_, IDC_RUN_ON_STARTUP, *runOnStartup_);
    setBox(hwnd_, IDC_ON_TOP, *onTop_);
    const SIZE size = background_.size();
    const RECT& area = optionsMonitor();
    const LONG left = area.left + (area.right - area.left - size.cx) / 2;
    const LONG top = area.top + (area.bottom - area.top - size.cy) / 2;
    const RECT place = {left, top, left + size.cx, top + size.cy};
    const bool topmost = Application::current()->toyWindows().topmostAt(place);
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, size.cx, size.cy, SWP_SHOWWINDOW);
}

void OptionsDialog::onCommand(WORD id, WORD) {
    if (id == IDOK) {
        *playSounds_ = boxIsTicked(hwnd_, IDC_PLAY_SOUNDS);
        *runOnStartup_ = boxIsTicked(hwnd_, IDC_RUN_ON_STARTUP);
        *onTop_ = boxIsTicked(hwnd_, IDC_ON_TOP);
        const LRESULT choice = SendDlgItemMessageA(hwnd_, IDC_SIZE_CHOICE, CB_GETCURSEL, 0, 0);
        *size_ = choice > 0 && choice < sizeChoices ? gui::Scale::percents[choice - 1] : 0;
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
