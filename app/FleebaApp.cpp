#include "app/FleebaApp.h"

#include "app/Application.h"
#include "app/OptionsDialog.h"
#include "app/StartupRegistration.h"
#include "gui/SoundEffects.h"
#include "gui/Sprite.h"
#include "gui/SpriteWindow.h"
#include "tamba_util/Exception.h"

#include "res/resource.h"

namespace tamba::app {

Settings FleebaApp::startingSettings(int dpi) {
    Settings settings(*Application::current());
    settings.load();
    gui::Scale::set(settings.size != Settings::automaticSize ? settings.size : gui::Scale::forDpi(dpi));
    return settings;
}

FleebaApp::FleebaApp()
    : MainWindow("Fleeba"), monitorDpi_(gui::Monitors::dpiOf(Application::current()->playMonitor())),
      settings_(startingSettings(monitorDpi_)), playSounds(settings_.playSounds), onTop(settings_.onTop),
      size(settings_.size), timer_(tickMs, true), splash_(timer_, this), fishing_(timer_, this),
      caber_(timer_, this), golf_(timer_, this), character_(timer_, this), menu_(IDR_POPUP_MENU),
      menuArea_(Application::current()->playMonitor()) {
    try {
        runOnStartup = queryRunOnStartup();
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
    }
    applyOnTop();
    gui::SoundEffects::setEnabled(playSounds);
    current_ = &splash_;
    fitScaleFor(splash_);
    current_->start();
    timer_.addListener(this);
}

FleebaApp::~FleebaApp() {
    timer_.removeListener(this);
    gui::SoundEffects::close();
}

void FleebaApp::tick(gui::Timer&) {
    Application& application = *Application::current();
    // Every other tick is soon enough to follow another program that becomes active or goes full screen,
    // and an idle toy asks the platform half as often.
    if (++foregroundTicks_ >= foregroundCheckTicks) {
        foregroundTicks_ = 0;
        lookAtForeground();
    }
    if (const int dpi = application.takeDpiChange()) {
        monitorDpi_ = dpi;
        if (size == Settings::automaticSize)
            applyToyScale();
    }
    wine_.tick(application.toyWindows());
    if (wine_.layoutCheckDue() && application.monitors().looksChanged())
        PostMessageA(handle(), WM_DISPLAYCHANGE, 0, 0);
}

void FleebaApp::lookAtForeground() {
    HWND front = GetForegroundWindow();
    const bool frontChanged = front != lastForeground_;
    if (frontChanged) {
        lastForeground_ = front;
        DWORD process = 0;
        if (front != nullptr)
            GetWindowThreadProcessId(front, &process);
        if (process == GetCurrentProcessId())
            wine_.foregroundCameHome();
        else
            wine_.foregroundWentElsewhere();
    }
    // A new foreground window is looked at at once; one that stays, every few looks, in case it goes full
    // screen or leaves it.
    const bool askShell = ++shellLooks_ >= shellCheckLooks;
    if (askShell)
        shellLooks_ = 0;
    if (frontChanged || askShell || ++fullScreenLooks_ >= fullScreenCheckLooks) {
        fullScreenLooks_ = 0;
        checkFullScreen(front, askShell);
    }
}

void FleebaApp::checkFullScreen(HWND front, bool askShell) {
    Application& application = *Application::current();
    gui::ToyWindows& windows = application.toyWindows();
    const bool changed =
        windows.setStoodDown(fullScreen_.coveredMonitors(front, application.monitors(), askShell));
    // While a monitor is covered, a window dragged or swimming onto it or off it changes its band too.
    if (changed || windows.anyStoodDown())
        windows.restack();
}

LRESULT FleebaApp::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED) {
        Application::current()->noteDpiChange(LOWORD(wParam));
        return 0;
    }
    if (message == WM_DISPLAYCHANGE) {
        if (Application::current()->monitors().read())
            monitorsChanged();
        return 0;
    }
    return MainWindow::handleMessage(window, message, wParam, lParam);
}

bool FleebaApp::isGame(const Game* game) const {
    return game == &fishing_ || game == &caber_ || game == &golf_;
}

void FleebaApp::monitorsChanged() {
    Application& application = *Application::current();
    const gui::Monitors& monitors = application.monitors();
    if (!monitors.has(menuArea_))
        menuArea_ = monitors.primary();
    bringBackStrays();
    // A covered monitor may have gone: looked at again now, not at the next check.
    checkFullScreen(GetForegroundWindow(), false);
    if (!monitors.has(application.playMonitor())) {
        application.setPlayMonitor(monitors.primary());
        // Last: a game's start shows its instructions modally.
        if (isGame(current_))
            selectGame(current_);
    }
}

void FleebaApp::bringBackStrays() {
    Application& application = *Application::current();
    const gui::Monitors& monitors = application.monitors();
    const gui::ToyWindows& windows = application.toyWindows();
    for (unsigned i = 0; i < windows.count(); ++i) {
        HWND window = windows.at(i).handle();
        if (window == nullptr || !IsWindowVisible(window))
            continue;
        RECT rect;
        GetWindowRect(window, &rect);
        if (monitors.halfOn(rect))
            continue;
        const RECT back = gui::Monitors::broughtOnto(rect, monitors.nearest(rect));
        SetWindowPos(window, nullptr, back.left, back.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FleebaApp::playOn(const RECT& monitor) {
    Application::current()->setPlayMonitor(monitor);
    monitorDpi_ = gui::Monitors::dpiOf(monitor);
}

int FleebaApp::toyScale() const {
    return size != Settings::automaticSize ? gui::Scale::snap(size) : gui::Scale::forDpi(monitorDpi_);
}

void FleebaApp::fitScaleFor(const Game& game) {
    gui::Scale::set(
        gui::Scale::fitting(toyScale(), game.layoutSize(), Application::current()->playMonitor()));
}

void FleebaApp::applyToyScale() {
    if (current_ == nullptr) {
        gui::Scale::set(toyScale());
        return;
    }
    const int before = gui::Scale::percent();
    fitScaleFor(*current_);
    if (gui::Scale::percent() == before)
        return;
    // The character and the splash take their new pictures at the next tick, the character's water ring
    // staying where it was on the screen.
    if (current_ == &splash_)
        return;
    if (current_ == &character_) {
        keepFeetInPlace(character_);
        return;
    }
    gui::Scale::set(before);
    selectGame(current_);
}

void FleebaApp::keepFeetInPlace(gui::SpriteWindow& window) {
    gui::Sprite* sprite = window.sprite();
    if (sprite == nullptr || window.visibility() != gui::SpriteWindow::Shown)
        return;
    RECT rect;
    window.screenRect(rect);
    SIZE size = {0, 0};
    sprite->frameSet().frameSize(sprite->currentFrame(), size);
    const int width = gui::Scale::toScreen(size.cx), height = gui::Scale::toScreen(size.cy);
    const int middle = (rect.left + rect.right) / 2;
    SetWindowPos(window.handle(), nullptr, middle - width / 2, rect.bottom - height, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FleebaApp::selectGame(Game* next) {
    if (current_ != nullptr)
        current_->stop();
    current_ = next;
    // The sound device is held while a game runs only, and opened before its first sound is due.
    if (isGame(current_))
        gui::SoundEffects::open();
    else
        gui::SoundEffects::close();
    if (current_ == nullptr)
        return;
    try {
        fitScaleFor(*current_);
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
    fitScaleFor(character_);
    character_.start();
}

void FleebaApp::returnToIdle() {
    selectGame(&character_);
}

void FleebaApp::showMenu(int x, int y) {
    keyboardLender_ = GetForegroundWindow();
    const POINT at = {x, y};
    menuArea_ = Application::current()->monitors().nearest(at);
    auto* asking =
        dynamic_cast<gui::SpriteWindow*>(Application::current()->toyWindows().find(WindowFromPoint(at)));
    if (asking != nullptr && asking->visibility() == gui::SpriteWindow::Shown)
        gui::WineWorkarounds::activateForMenu(asking->handle());
    menu_.popUp(*this, x, y);
    // A chosen command is waiting; it gives the keyboard back once it has run.
    MSG command;
    if (!PeekMessageA(&command, handle(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE))
        giveKeyboardBack();
}

void FleebaApp::giveKeyboardBack() {
    HWND lender = keyboardLender_;
    keyboardLender_ = nullptr;
    if (lender == nullptr || lender == handle() || !IsWindow(lender) || !IsWindowVisible(lender))
        return;
    HWND front = GetForegroundWindow();
    if (front == lender || takesKeys(front))
        return;
    // Another program that the user turned to meanwhile keeps the foreground; nobody's (the desktop's, once
    // a closing dialog left it there) is the lender's again.
    if (front != nullptr && front != GetDesktopWindow() &&
        GetWindowThreadProcessId(front, nullptr) != GetCurrentThreadId())
        return;
    SetForegroundWindow(lender);
    // The ticks may not have seen the foreground leave it: the window raised now must be followed.
    wine_.foregroundWentElsewhere();
}

bool FleebaApp::takesKeys(HWND window) {
    auto* sprite = dynamic_cast<gui::SpriteWindow*>(Application::current()->toyWindows().find(window));
    return sprite != nullptr && sprite->takesKeys();
}

void FleebaApp::onCommand(int id, int) {
    switch (id) {
    case IDM_EXIT:
        Application::current()->quit();
        break;
    case IDM_NO_GAME:
        playOn(menuArea_);
        selectGame(&character_);
        break;
    case IDM_FISHING_GAME:
        playOn(menuArea_);
        selectGame(&fishing_);
        break;
    case IDM_CABER_GAME:
        playOn(menuArea_);
        selectGame(&caber_);
        break;
    case IDM_GOLF_GAME:
        playOn(menuArea_);
        selectGame(&golf_);
        break;
    case IDM_OPTIONS:
        runOptions();
        break;
    default:
        break;
    }
    giveKeyboardBack();
}

void FleebaApp::runOptions() {
    bool accepted = false;
    // A missing template or picture is logged; the settings are written only by OK, so they stay.
    try {
        OptionsDialog dialog(this, &playSounds, &onTop, &runOnStartup, &size);
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
    settings_.playSounds = playSounds;
    settings_.onTop = onTop;
    settings_.size = size;
    settings_.save();
    gui::SoundEffects::setEnabled(playSounds);
    applyOnTop();
    applyToyScale();
}

void FleebaApp::applyOnTop() {
    gui::ToyWindows& windows = Application::current()->toyWindows();
    windows.setOnTop(onTop);
    windows.restack();
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
