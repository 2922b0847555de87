#include "app/Application.h"

#include "gui/Window.h"

#include <algorithm>
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

void Application::noteDpiChange(HWND window) {
    if (std::find(news_.dpiWindows.begin(), news_.dpiWindows.end(), window) == news_.dpiWindows.end())
        news_.dpiWindows.push_back(window);
}

Application::DesktopNews Application::takeNews() {
    DesktopNews news = std::move(news_);
    news_ = DesktopNews();
    return news;
}

Application::ModalLoop::ModalLoop(std::function<void()> end) : end_(std::move(end)) {
    current()->modalLoops_.push_back(this);
}

Application::ModalLoop::~ModalLoop() {
    std::vector<ModalLoop*>& loops = current()->modalLoops_;
    loops.erase(std::remove(loops.begin(), loops.end(), this), loops.end());
}

void Application::endModalLoops() const {
    // Innermost first. A copy, since ending one may run code that ends another: each is looked up again.
    const std::vector<ModalLoop*> loops = modalLoops_;
    for (auto loop = loops.rbegin(); loop != loops.rend(); ++loop)
        if (std::find(modalLoops_.begin(), modalLoops_.end(), *loop) != modalLoops_.end())
            (*loop)->end_();
}

void Application::quit() {
    PostQuitMessage(0);
}

} // namespace tamba::app
