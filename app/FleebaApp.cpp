#include "app/FleebaApp.h"

#include "app/Application.h"
#include "app/OptionsDialog.h"
#include "app/StartupRegistration.h"
#include "gui/SpriteWindow.h"
#include "tamba_util/Exception.h"

#include "res/resource.h"

namespace tamba::app {

namespace {
BOOL CALLBACK restackSpriteWindow(HWND window, LPARAM onTop) {
    if (auto* sprite = dynamic_cast<gui::SpriteWindow*>(CustomWindow::fromHandle(window)))
        sprite->setTopmost(onTop != 0);
    return TRUE;
}
} // namespace

FleebaApp::FleebaApp()
    : MainWindow("Fleeba"), timer_(tickMs, true), splash_(timer_, this), fishing_(timer_, this),
      caber_(timer_, this), golf_(timer_, this), character_(timer_, this), menu_(IDR_POPUP_MENU) {
    try {
        runOnStartup = queryRunOnStartup();
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
    }
    current_ = &splash_;
    current_->start();
}

void FleebaApp::selectGame(Game* next) {
    if (current_ != nullptr)
        current_->stop();
    current_ = next;
    if (current_ == nullptr)
        return;
    try {
        current_->start();
        return;
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
    }
    // A game that could not start (a missing picture, a dialog that cannot be made) is taken down again,
    // whatever it had shown, and the character takes over.
    current_->stop();
    if (current_ == &character_) {
        current_ = nullptr;
        return;
    }
    current_ = &character_;
    character_.start();
}

void FleebaApp::returnToIdle() {
    selectGame(&character_);
}

void FleebaApp::showMenu(int x, int y) {
    menu_.popUp(*this, x, y);
}

void FleebaApp::onCommand(int id, int) {
    switch (id) {
    case IDM_EXIT:
        Application::current()->quit();
        break;
    case IDM_NO_GAME:
        selectGame(&character_);
        break;
    case IDM_FISHING_GAME:
        selectGame(&fishing_);
        break;
    case IDM_CABER_GAME:
        selectGame(&caber_);
        break;
    case IDM_GOLF_GAME:
        selectGame(&golf_);
        break;
    case IDM_OPTIONS:
        runOptions();
        break;
    default:
        break;
    }
}

void FleebaApp::runOptions() {
    bool accepted = false;
    // A missing template or picture is logged; the settings are written only by OK, so they stay.
    try {
        OptionsDialog dialog(this, &playSounds, &onTop, &runOnStartup);
        accepted = dialog.runModal();
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
        return;
    }
    if (!accepted)
        return;
    try {
        applyRunOnStartup(runOnStartup);
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
    }
    applyOnTop();
}

void FleebaApp::applyOnTop() {
    // Every sprite window of every activity, shown or not, so that a game started later follows too.
    EnumThreadWindows(GetCurrentThreadId(), restackSpriteWindow, onTop ? 1 : 0);
}

bool FleebaApp::queryRunOnStartup() {
    Application& application = *Application::current();
    return StartupRegistration(application, application.modulePath().text()).query();
}

void FleebaApp::applyRunOnStartup(bool on) {
    Application& application = *Application::current();
    StartupRegistration(application, application.modulePath().text()).apply(on);
}

} // namespace tamba::app
