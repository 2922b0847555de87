#include "games/ScoreCard.h"

#include "app/Application.h"
#include "gui/Scale.h"
#include "tamba_util/LinkOpener.h"

#include <windowsx.h>

namespace tamba::games {

ScoreCard::ScoreCard(int bitmap, POINT numberColumn, POINT textColumn, int lineStep, bool numbered,
                     const util::String& unit, const util::UrlParts& link)
    : Dialog(nullptr, templateId), percent_(gui::Scale::percent()),
      background_(gui::Scale::resource(bitmap, percent_)), numberColumn_(numberColumn),
      textColumn_(textColumn), lineStep_(lineStep), font_(fontFace, fontPoints, percent_),
      numbered_(numbered), unit_(unit), link_(link),
      // At its own size: the hand drawn for the card's scale, not the platform's cursor size.
      cursor_(static_cast<HCURSOR>(LoadImageA(app::Application::current()->instanceHandle(),
                                              MAKEINTRESOURCEA(gui::Scale::resource(cursorId, percent_)),
                                              IMAGE_CURSOR, 0, 0, LR_SHARED))) {
    setModelessShowCommand(SW_SHOWNA);
}

ScoreCard::~ScoreCard() = default;

void ScoreCard::setEntry(unsigned index, const util::String& text) {
    while (lines_.count() <= index)
        lines_.append(util::String());
    lines_[index] = text;
    refreshClient();
}

void ScoreCard::onInitDialog() {
    lines_.clear();
    const SIZE size = background_.size();
    const RECT& area = app::Application::current()->playMonitor();
    const RECT place = {area.left, area.top, area.left + size.cx, area.top + size.cy};
    // Made while another program is full screen on that monitor, it goes beneath, as the toy's other
    // windows there do; the template makes no top-most window.
    const bool topmost = app::Application::current()->toyWindows().topmostAt(place);
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_BOTTOM, place.left, place.top, size.cx, size.cy,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

INT_PTR ScoreCard::dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(dialog);
        return true;
    case WM_ERASEBKGND:
        // The background picture covers the whole card: erasing first would only flicker.
        return true;
    case WM_SETCURSOR:
        SetCursor(cursor_);
        return true;
    case WM_MOUSEACTIVATE:
        // A click opens the link or closes the card; the keyboard stays where the game put it.
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, MA_NOACTIVATE);
        return true;
    case WM_LBUTTONDOWN: {
        const POINT at = gui::Scale::fromScreen(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, percent_);
        if (PtInRect(&closeBox, at))
            close(true);
        else
            util::openLink(dialog, link_);
        return true;
    }
    default:
        return false;
    }
}

void ScoreCard::paint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RECT client;
    GetClientRect(dialog, &client);
    background_.draw(dc, client);

    // Each setting is given back before painting ends: the context is the window's, not ours.
    HGDIOBJ oldFont = font_.handle() != nullptr ? SelectObject(dc, font_.handle()) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, textColour);
    // Columns and steps are 100 % pixels, like the picture they are written on.
    POINT number = numberColumn_;
    POINT text = textColumn_;
    for (unsigned i = 0; i < lines_.count(); ++i) {
        const POINT numberAt = gui::Scale::toScreen(number, percent_);
        const POINT textAt = gui::Scale::toScreen(text, percent_);
        if (numbered_) {
            const util::String label = util::String::fromUnsigned(i + 1);
            TextOutA(dc, numberAt.x, numberAt.y, label.c_str(), label.length());
        }
        const util::String written = lines_[i] + " " + unit_;
        TextOutA(dc, textAt.x, textAt.y, written.c_str(), written.length());
        number.y += lineStep_;
        text.y += lineStep_;
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
    EndPaint(dialog, &paint);
}

} // namespace tamba::games
