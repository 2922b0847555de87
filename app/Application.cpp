#include "app/Application.h"

#include "gui/Window.h"

#include <commctrl.h>

namespace tamba::app {

namespace {
Application* theApplication = nullptr;
}

Application::Application(HINSTANCE instance, util::Logger& logger)
    : ProgramContext(logger), instance_(instance), toyWindows_(monitors_), playMonitor_(monitors_.primary()),
      activeDialog_(nullptr), previous_(theApplication) {
    theApplication = this;
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    logCurrentOsVersion(logger);
}

Application::~Application() {
    if (theApplication == this)
        theApplication = previous_;
}

Application* Application::current() {
    return theApplication;
}

void Application::run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        dispatch(message);
}

void Application::dispatch(MSG& message) {
    if (activeDialog_ != nullptr && IsDialogMessageA(activeDialog_->handle(), &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Application::quit() {
    PostQuitMessage(0);
}

} // namespace tamba::app
