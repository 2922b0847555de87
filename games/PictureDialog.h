#pragma once

#include "gui/Bitmap.h"
#include "gui/Dialog.h"

#include <windows.h>

namespace tamba::games {

// A game's picture before play, shown modally in the middle of the monitor the game plays on until the
// user clicks its close box or its play box (runModal then gives true) or presses Escape. The picture is
// the one drawn for the toy's scale when it was made, which it keeps; the boxes are in its 100 % pixels.
class PictureDialog : public gui::Dialog {
public:
    static constexpr int templateId = 101;
    static constexpr RECT closeBox = {342, 12, 351, 21};
    static constexpr RECT playBox = {285, 259, 347, 300};

    explicit PictureDialog(int bitmap);

    void onInitDialog() override;
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int percent_;
    gui::Bitmap picture_;
};

} // namespace tamba::games
