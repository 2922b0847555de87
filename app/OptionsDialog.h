#pragma once

#include "gui/Bitmap.h"
#include "gui/Dialog.h"
#include "gui/Font.h"
#include "gui/GdiHandle.h"

namespace tamba::app {

// The borderless Options box on its picture: a check box for each setting and the toy's size. Everything is
// laid out in 100 % pixels and shown at the toy's scale, over the picture drawn for it. OK stores every
// control into its setting; Cancel leaves the settings alone.
class OptionsDialog : public gui::Dialog {
public:
    // The settings are the controller's and outlive the dialog. size: a drawn scale in percent, or 0 for
    // "Automatic".
    OptionsDialog(gui::Window* owner, bool* playSounds, bool* onTop, bool* runOnStartup, int* size);

    void onInitDialog() override;
    void onCommand(WORD id, WORD code) override;
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The toy's scale, or a smaller one at which the box fits the monitor it opens on.
    int percent_;
    gui::Bitmap background_;
    gui::Font font_;
    gui::GdiHandle<HBRUSH> brush_; // dark blue behind the controls
    bool* playSounds_;             // not owned
    bool* onTop_;                  // not owned
    bool* runOnStartup_;           // not owned
    int* size_;                    // not owned
};

} // namespace tamba::app
