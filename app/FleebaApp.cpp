#include "app/FleebaApp.h"

#include "app/Application.h"
#include "app/OptionsDialog.h"
#include "app/StartupRegistration.h"
#include "gui/SpriteWindow.h"
#include "tamba_util/Exception.h"

#include "res/resource.h"

#include <vector>

namespace tamba::app {

namespace {
// Every sprite window of the program registers with the animation timer: its listeners are the program's
// own list of them, whatever other windows the thread has.
gui::SpriteWindow* spriteWindowAt(const gui::Timer& timer, unsigned index) {
    return dynamic_cast<gui::SpriteWindow*>(timer.listener(index));
}

// Whether the foreground window is another program's and fills its whole monitor with no caption: a
// full-screen video, game or browser. A maximized window keeps its caption, whatever the taskbar does; the
// desktop and the shell's own windows never count. Cheapest tests first: this runs on every tick.
bool anotherProgramIsFullScreen(HWND front) {
    if (front == nullptr || front == GetDesktopWindow())
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    if (process == GetCurrentProcessId())
        return false;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(front, GWL_STYLE));
    if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_VISIBLE) == 0 || (style & WS_MINIMIZE) != 0)
        return false;
    RECT rect;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(front, &rect) ||
        !GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return false;
    const RECT& screen = monitor.rcMonitor;
    if (rect.left > screen.left || rect.top > screen.top || rect.right < screen.right ||
        rect.bottom < screen.bottom)
        return false;
    HWND shell = GetShellWindow();
    DWORD shellProcess = 0;
    if (shell != nullptr)
        GetWindowThreadProcessId(shell, &shellProcess);
    return process != shellProcess;
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
    timer_.addListener(this);
}

FleebaApp::~FleebaApp() {
    timer_.removeListener(this);
}

void FleebaApp::tick(gui::Timer&) {
    HWND front = GetForegroundWindow();
    if (front != lastForeground_) {
        lastForeground_ = front;
        DWORD process = 0;
        if (front != nullptr)
            GetWindowThreadProcessId(front, &process);
        // Under X (Wine without a window manager) the window of another program that becomes active is
        // raised above every other, top-most or not: this one's shown windows go back above it, now and
        // a few times within the next second, as that program raises its window when it gets round to it.
        if (process != GetCurrentProcessId())
            raiseTicks_ = 8;
    }
    const bool fullScreen = anotherProgramIsFullScreen(front);
    if (fullScreen != standingDown_) {
        standingDown_ = fullScreen;
        // Without on top the windows already keep beneath everything: nothing to do either way.
        if (onTop)
            restack(!standingDown_);
    }
    if (raiseTicks_ > 0) {
        // On this tick, the next, and three and seven ticks later.
        if ((raiseTicks_ == 8 || raiseTicks_ == 7 || raiseTicks_ == 5 || raiseTicks_ == 1) && onTop &&
            !standingDown_)
            raiseShownWindows();
        --raiseTicks_;
    }
}

void FleebaApp::raiseShownWindows() {
    // From the bottom up, so that they keep their order among themselves; listed first, as each raise
    // changes the order being walked.
    std::vector<HWND> shown;
    for (HWND window = GetWindow(handle(), GW_HWNDLAST); window != nullptr;
         window = GetWindow(window, GW_HWNDPREV)) {
        gui::SpriteWindow* sprite = spriteWindowOf(window);
        if (sprite != nullptr && sprite->visibility() == gui::SpriteWindow::Shown && IsWindowVisible(window))
            shown.push_back(window);
    }
    // A window first in the z-order already is not moved at all, so not raised either: a hidden one of
    // ours goes first.
    for (unsigned i = 0; i < timer_.listenerCount(); ++i) {
        gui::SpriteWindow* sprite = spriteWindowAt(timer_, i);
        if (sprite != nullptr && !IsWindowVisible(sprite->handle())) {
            SetWindowPos(sprite->handle(), HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        }
    }
    for (HWND window : shown)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
    keyboardLender_ = GetForegroundWindow();
    // Under X the keys reach the window that has the X keyboard focus, and a hidden window never has it:
    // while the menu is open, the shown window it was asked from is active, so that the menu's keys work.
    gui::SpriteWindow* asking = spriteWindowOf(WindowFromPoint(POINT{x, y}));
    if (asking != nullptr && asking->visibility() == gui::SpriteWindow::Shown)
        SetForegroundWindow(asking->handle());
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
    // Another program that the user turned to meanwhile keeps the foreground.
    if (front != nullptr && GetWindowThreadProcessId(front, nullptr) != GetCurrentThreadId())
        return;
    SetForegroundWindow(lender);
    // The ticks may not have seen the foreground leave it: the window raised now must be followed.
    raiseTicks_ = 8;
}

bool FleebaApp::takesKeys(HWND window) {
    gui::SpriteWindow* sprite = spriteWindowOf(window);
    return sprite != nullptr && sprite->takesKeys();
}

gui::SpriteWindow* FleebaApp::spriteWindowOf(HWND window) {
    for (unsigned i = 0; i < timer_.listenerCount(); ++i) {
        gui::SpriteWindow* sprite = spriteWindowAt(timer_, i);
        if (sprite != nullptr && sprite->handle() == window)
            return sprite;
    }
    return nullptr;
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
    giveKeyboardBack();
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
    restack(onTop && !standingDown_);
}

void FleebaApp::restack(bool topmost) {
    // Every sprite window of every activity, shown or not, so that a game started later follows too.
    for (unsigned i = 0; i < timer_.listenerCount(); ++i) {
        if (gui::SpriteWindow* window = spriteWindowAt(timer_, i))
            window->setTopmost(topmost);
    }
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
