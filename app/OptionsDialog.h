#pragma once

#include "gui/Bitmap.h"
#include "gui/Dialog.h"
#include "gui/GdiHandle.h"

namespace tamba::app {

// The borderless Options box on its picture: a check box for each setting, the play-sounds one never
// shown. OK stores every box into its setting; Cancel leaves the settings alone.
class OptionsDialog : public gui::Dialog {
public:
    // The settings are the controller's and outlive the dialog.
    OptionsDialog(gui::Window* owner, bool* playSounds, bool* onTop, bool* runOnStartup);

    void onInitDialog() override;
    void onCommand(WORD id, WORD code) override;
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    gui::Bitmap background_;
    gui::GdiHandle<HBRUSH> brush_; // dark blue behind the controls
    bool* playSounds_;             // not owned
    bool* onTop_;                  // not owned
    bool* runOnStartup_;           // not owned
};

} // namespace tamba::app
