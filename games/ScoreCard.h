#pragma once

#include "gui/Bitmap.h"
#include "gui/Dialog.h"
#include "gui/Font.h"
#include "tamba_util/String.h"
#include "tamba_util/UrlParts.h"
#include "tamba_util/VAList.h"

#include <windows.h>

namespace tamba::games {

// A game's results: a modeless, top-most card in the top-left corner of the monitor the game plays on,
// with a column of (optionally numbered) lines over a background picture, all at the toy's scale when it
// was made, which it keeps. A click on
// its close box closes it, a click anywhere else opens the link. It is one of the toy's windows, and never
// takes the keyboard from the window the game is played with.
class ScoreCard : public gui::Dialog {
public:
    static constexpr int templateId = 101;
    static constexpr int cursorId = 100;
    static constexpr COLORREF textColour = RGB(0, 0, 128);
    static constexpr char fontFace[] = "Arial Black";
    static constexpr int fontPoints = 8;
    static constexpr RECT closeBox = {342, 12, 351, 21};

    // Columns are client coordinates of the first line in 100 % pixels; each line is lineStep lower.
    ScoreCard(int bitmap, POINT numberColumn, POINT textColumn, int lineStep, bool numbered,
              const util::String& unit, const util::UrlParts& link);
    ~ScoreCard() override;

    // Grows the list with empty lines up to the index, then repaints. Works while the card is closed.
    void setEntry(unsigned index, const util::String& text);
    unsigned lineCount() const { return lines_.count(); }
    util::String line(unsigned index) const { return lines_[index]; }

    // Out of the band, the card goes beneath every window, as the toy's sprites do.
    void setTopmost(bool topmost) override { Window::setTopmost(topmost); }
    void onInitDialog() override;
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HWND dialog);

    int percent_;
    gui::Bitmap background_;
    POINT numberColumn_;
    POINT textColumn_;
    int lineStep_;
    util::VAList<util::String> lines_;
    gui::Font font_;
    bool numbered_;
    util::String unit_;
    util::UrlParts link_;
    HCURSOR cursor_; // not owned: a resource cursor, shared and freed with the module
};

} // namespace tamba::games
