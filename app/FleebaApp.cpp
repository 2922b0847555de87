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

Settings FleebaApp::startingSettings() {
    Application& application = *Application::current();
    Settings settings(application);
    settings.load();
    gui::Scale::set(settings.size != Settings::automaticSize
                        ? settings.size
                        : gui::Scale::forDpi(application.monitors().dpiOf(application.playMonitor())));
    return settings;
}

FleebaApp::FleebaApp()
    : MainWindow("Fleeba"), settings_(startingSettings()), timer_(tickMs, true), splash_(timer_, this),
      fishing_(timer_, this), caber_(timer_, this), golf_(timer_, this), character_(timer_, this),
      menu_(IDR_POPUP_MENU), menuArea_(Application::current()->playMonitor()), chosenArea_(menuArea_) {
    try {
        runOnStartup = queryRunOnStartup();
    } catch (const util::Exception& e) {
        Application::current()->logger().log("%s", e.message().c_str());
    }
    applyOnTop();
    gui::SoundEffects::setEnabled(settings_.playSounds);
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
    wine_.tick(application.toyWindows());
    if (wine_.layoutCheckDue() && application.monitors().looksChanged())
        application.noteLayoutChange();
    applyChanges();
}

void FleebaApp::applyChanges() {
    Application& application = *Application::current();
    if (!application.news().any() && !sizeNoted_ && chosen_ == nullptr)
        return;
    if (application.inModalLoop()) {
        // Never applied inside one: a game starting again there would open its instructions inside its own
        // (or inside Options), and a monitor that went may hold the loop's window.
        application.endModalLoops();
        return;
    }
    const Application::DesktopNews news = application.takeNews();
    sizeNoted_ = false;
    Game* const chosen = chosen_;
    chosen_ = nullptr;
    // The dots per inch come with the monitors: a DPI change is read there.
    bool moved = news.any() && application.monitors().read() && followMonitors();
    for (HWND window : news.dpiWindows)
        moved = followUsersWindow(window) || moved;
    if (chosen != nullptr) {
        application.setPlayMonitor(chosenArea_);
        selectGame(chosen);
    } else if (moved && isGame(current_)) {
        selectGame(current_);
    } else {
        applyToyScale();
    }
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
        windows.setStoodDown(fullScreen_.coveredMonitors(front, application.monitors(), windows, askShell));
    // While a monitor is covered, a window dragged or swimming onto it or off it changes its band too.
    if (changed || windows.anyStoodDown())
        windows.restack();
}

LRESULT FleebaApp::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED) {
        Application::current()->noteDpiChange(window);
        return 0;
    }
    if (message == WM_DISPLAYCHANGE) {
        Application::current()->noteLayoutChange();
        return 0;
    }
    return MainWindow::handleMessage(window, message, wParam, lParam);
}

bool FleebaApp::isGame(const Game* game) const {
    return game == &fishing_ || game == &caber_ || game == &golf_;
}

bool FleebaApp::followMonitors() {
    Application& application = *Application::current();
    const gui::Monitors& monitors = application.monitors();
    if (!monitors.has(menuArea_))
        menuArea_ = monitors.primary();
    if (!monitors.has(chosenArea_))
        chosenArea_ = monitors.primary();
    bringBackStrays();
    // A covered monitor may have gone: looked at again now, not at the next check.
    checkFullScreen(GetForegroundWindow(), false);
    if (monitors.has(application.playMonitor()))
        return false;
    application.setPlayMonitor(monitors.primary());
    return true;
}

bool FleebaApp::followUsersWindow(HWND window) {
    const bool users = (window == character_.handle() && current_ == &character_) ||
                       (window != nullptr && window == menuWindow_);
    if (!users || !IsWindowVisible(window))
        return false;
    Application& application = *Application::current();
    RECT rect;
    GetWindowRect(window, &rect);
    const RECT& monitor = application.monitors().nearest(rect);
    if (EqualRect(&monitor, &application.playMonitor()))
        return false;
    application.setPlayMonitor(monitor);
    return true;
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

int FleebaApp::toyScale() const {
    if (settings_.size != Settings::automaticSize)
        return gui::Scale::snap(settings_.size);
    Application& application = *Application::current();
    return gui::Scale::forDpi(application.monitors().dpiOf(application.playMonitor()));
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
    // The character and the splash take their new pictures at their next tick, the character's water ring
    // staying where it was on the screen.
    if (current_ == &splash_) {
        keepFeetInPlace(splash_);
        return;
    }
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
    const RECT grown = {middle - width / 2, rect.bottom - height, middle - width / 2 + width, rect.bottom};
    // Grown at an edge, it is moved back as after a display change, to lie whole on its monitor.
    const RECT whole = gui::Monitors::broughtOnto(grown, Application::current()->monitors().nearest(rect));
    SetWindowPos(window.handle(), nullptr, whole.left, whole.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FleebaApp::followSoundDevice() {
    // Opened before a game's first sound is due.
    if (isGame(current_))
        gui::SoundEffects::open();
    else
        gui::SoundEffects::close();
}

void FleebaApp::selectGame(Game* next) {
    if (current_ != nullptr)
        current_->stop();
    current_ = next;
    followSoundDevice();
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
    followSoundDevice();
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
    menuWindow_ = asking != nullptr ? asking->handle() : nullptr;
    if (asking != nullptr && asking->visibility() == gui::SpriteWindow::Shown)
        gui::WineWorkarounds::activateForMenu(asking->handle());
    {
        const Application::ModalLoop loop([] { EndMenu(); });
        menu_.popUp(*this, x, y);
    }
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
    case IDM_FISHING_GAME:
    case IDM_CABER_GAME:
    case IDM_GOLF_GAME:
        // Applied at once, unless Options is open (a menu asked from a game window meanwhile): Options
        // closes first.
        chosen_ = id == IDM_NO_GAME        ? static_cast<Game*>(&character_)
                  : id == IDM_FISHING_GAME ? static_cast<Game*>(&fishing_)
                  : id == IDM_CABER_GAME   ? static_cast<Game*>(&caber_)
                                           : static_cast<Game*>(&golf_);
        chosenArea_ = menuArea_;
        applyChanges();
        break;
    case IDM_OPTIONS:
        // One Options box at a time.
        if (!Application::current()->inModalLoop())
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
    const int sizeBefore = settings_.size;
    try {
        OptionsDialog dialog(this, &settings_.playSounds, &settings_.onTop, &runOnStartup, &settings_.size);
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
    settings_.save();
    gui::SoundEffects::setEnabled(settings_.playSounds);
    applyOnTop();
    if (settings_.size != sizeBefore) {
        noteSizeChange();
        applyChanges();
    }
}

void FleebaApp::applyOnTop() {
    gui::ToyWindows& windows = Application::current()->toyWindows();
    windows.setOnTop(settings_.onTop);
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
