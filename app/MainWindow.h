#pragma once

#include "app/CustomWindow.h"

namespace tamba::app {

// The hidden top-level window whose closing ends the program.
class MainWindow : public CustomWindow {
public:
    explicit MainWindow(const util::String& title);
    ~MainWindow() override;

    void onPaint(PAINTSTRUCT& paint) override;
    bool onClose() override;

private:
    HBRUSH background_; // owned: deleted with the window
};

} // namespace tamba::app
