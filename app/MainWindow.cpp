#include "app/MainWindow.h"

#include "app/Application.h"

namespace tamba::app {

MainWindow::MainWindow(const util::String& title)
    : CustomWindow(title, 0, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT),
      background_(CreateSolidBrush(GetSysColor(COLOR_WINDOW))) {}

MainWindow::~MainWindow() {
    if (background_ != nullptr)
        DeleteObject(background_);
}

void MainWindow::onPaint(PAINTSTRUCT& paint) {
    FillRect(paint.hdc, &paint.rcPaint, background_);
}

bool MainWindow::onClose() {
    Application::current()->quit();
    return true;
}

} // namespace tamba::app
