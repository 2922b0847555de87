#include "gui/SpriteWindow.h"

#include "app/Application.h"
#include "gui/Scale.h"
#include "gui/Sprite.h"
#include "gui/Timer.h"
#include "gui/WindowDeviceContext.h"
#include "gui/WineWorkarounds.h"

namespace tamba::gui {

namespace {
// No old pixels copied, no WM_WINDOWPOSCHANGING, erasing deferred, and never activated: the user keeps
// working in whatever application has the focus.
constexpr UINT placementFlags = SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOSENDCHANGING | SWP_DEFERERASE;

HWND zOrderFor(bool topmost) {
    return topmost ? HWND_TOPMOST : HWND_BOTTOM;
}
} // namespace

SpriteWindow::SpriteWindow(const util::String& title, Timer& timer, int x, int y)
    : CustomWindow(title, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP, x, y, 10, 10), sprite_(nullptr),
      inTick_(false), visibility_(Hidden), timer_(&timer), draggable_(false), topmost_(true),
      dragging_(false), firstMove_(false), lastCursorX_(0), lastCursorY_(0) {
    app::Application::current()->toyWindows().add(*this);
    timer_->addListener(this);
}

SpriteWindow::~SpriteWindow() {
    timer_->removeListener(this);
    app::Application::current()->toyWindows().remove(*this);
    visibility_ = Hidden;
    if (sprite_ != nullptr) {
        sprite_->attach(nullptr, topmost_);
        sprite_ = nullptr;
    }
    if (hwnd_ != nullptr && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

void SpriteWindow::setTopmost(bool topmost) {
    topmost_ = topmost;
    CustomWindow::setTopmost(topmost);
}

void SpriteWindow::setSprite(Sprite* sprite) {
    if (sprite_ != nullptr) {
        sprite_->rewind(topmost_);
        sprite_->attach(nullptr, topmost_);
    }
    sprite_ = sprite;
    // A sprite at the address of one painted before is still a sprite the window has not drawn.
    paintedSprite_ = nullptr;
    if (sprite_ != nullptr)
        sprite_->attach(this, topmost_);
}

void SpriteWindow::show() {
    if (hwnd_ == nullptr || !IsWindow(hwnd_))
        return;
    visibility_ = Shown;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    // Showing never activates: the toy must not take the keyboard from the program the user works in,
    // and under X an activated window is handed to the window manager, which may place it elsewhere.
    placement.showCmd = SW_SHOWNOACTIVATE;
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    if (sprite_ != nullptr) {
        SIZE size = {0, 0};
        sprite_->frameSet().firstFrameSize(size);
        rect.right = rect.left + Scale::toScreen(size.cx);
        rect.bottom = rect.top + Scale::toScreen(size.cy);
    }
    // A tool window's normal rectangle is in screen coordinates.
    placement.rcNormalPosition = rect;
    SetWindowPlacement(hwnd_, &placement);
    ShowWindow(hwnd_, SW_SHOWNA);
}

void SpriteWindow::hide() {
    visibility_ = Hidden;
    ShowWindow(hwnd_, SW_HIDE);
}

void SpriteWindow::onSpriteFinished() {}

bool SpriteWindow::animating() const {
    // The object's own state first: most windows are hidden, and they cost no platform call.
    return visibility_ == Shown && sprite_ != nullptr && IsWindowVisible(hwnd_) && !IsIconic(hwnd_);
}

void SpriteWindow::tick(Timer&) {
    if (!animating())
        return;
    inTick_ = true;
    placedInTick_ = false;
    // After a change of the toy's scale the window takes the new pictures' size and outline where it stands.
    sprite_->refit(topmost_);
    sprite_->advance(topmost_);
    bool stale = sprite_ != paintedSprite_ || sprite_->currentFrame() != paintedFrame_;
    // Anything a change (or an uncovering) left to repaint must be drawn by this tick, since the paint
    // message handled now draws nothing. A tick that changed nothing asks the platform nothing: an
    // uncovered part is repainted by its paint message, which draws outside a tick.
    if (stale || placedInTick_) {
        stale = stale || GetUpdateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
    }
    const bool finished = sprite_->isFinished();
    inTick_ = false;
    if (stale) {
        WindowDeviceContext dc(hwnd_);
        if (dc.handle() != nullptr) {
            sprite_->paint(dc.handle(), 0, 0);
            paintedSprite_ = sprite_;
            paintedFrame_ = sprite_->currentFrame();
        }
    }
    if (finished)
        onSpriteFinished();
}

void SpriteWindow::onPaint(PAINTSTRUCT& paint) {
    if (!animating() || inTick_) {
        // The area this message validated still needs drawing: the next tick must not skip it.
        paintedSprite_ = nullptr;
        return;
    }
    inTick_ = true;
    sprite_->paint(paint.hdc, 0, 0);
    paintedSprite_ = sprite_;
    paintedFrame_ = sprite_->currentFrame();
    inTick_ = false;
}

bool SpriteWindow::onClose() {
    return false;
}

LRESULT SpriteWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        // The frame covers the whole outline.
        return 1;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_DPICHANGED:
        // The whole toy follows, not this window alone: the controller weighs the news at its next tick.
        app::Application::current()->noteDpiChange(window);
        return 0;
    case WM_MOUSEACTIVATE:
        // A click never activates by itself: under X an activated window is handed to the window manager,
        // which cancels the drag the click began. A window that takes keys asks for them once the button
        // is up.
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
        if (draggable_) {
            dragging_ = true;
            firstMove_ = true;
            POINT cursor;
            GetCursorPos(&cursor);
            lastCursorX_ = cursor.x;
            lastCursorY_ = cursor.y;
            // Grabbing the window restarts its animation.
            if (sprite_ != nullptr)
                sprite_->rewind(topmost_);
            SetCapture(window);
            WineWorkarounds::startDragPoll(window);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (draggable_ && dragging_)
            drag();
        return 0;
    case WM_LBUTTONUP:
        if (draggable_ && dragging_)
            endDrag();
        clicked();
        return 0;
    case WM_TIMER:
        if (wParam != WineWorkarounds::dragTimerId)
            return CustomWindow::handleMessage(window, message, wParam, lParam);
        followCursor();
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (a menu, a dialog): without it the button-up never arrives, and the
        // window would follow the cursor with no button held.
        if (reinterpret_cast<HWND>(lParam) != window) {
            dragging_ = false;
            WineWorkarounds::stopDragPoll(window);
        }
        return 0;
    default:
        return CustomWindow::handleMessage(window, message, wParam, lParam);
    }
}

void SpriteWindow::endDrag() {
    dragging_ = false;
    WineWorkarounds::stopDragPoll(hwnd_);
    if (GetCapture() == hwnd_)
        ReleaseCapture();
}

void SpriteWindow::takeKeyboard() {
    if (hwnd_ == nullptr)
        return;
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
}

void SpriteWindow::clicked() {
    if (SpriteWindow* keys = keyWindow())
        keys->takeKeyboard();
}

void SpriteWindow::followCursor() {
    if (!dragging_) {
        WineWorkarounds::stopDragPoll(hwnd_);
        return;
    }
    // The button came up where this window could not hear it.
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if ((GetAsyncKeyState(button) & 0x8000) == 0) {
        endDrag();
        clicked();
        return;
    }
    POINT cursor;
    GetCursorPos(&cursor);
    if (cursor.x != lastCursorX_ || cursor.y != lastCursorY_)
        drag();
}

void SpriteWindow::drag() {
    // The cursor, not the message's coordinates: those are relative to a window that is moving.
    POINT cursor;
    GetCursorPos(&cursor);
    if (firstMove_) {
        firstMove_ = false;
    } else {
        const int dx = cursor.x - lastCursorX_;
        const int dy = cursor.y - lastCursorY_;
        RECT rect;
        GetWindowRect(hwnd_, &rect);
        SetWindowPos(hwnd_, zOrderFor(topmost_), rect.left + dx, rect.top + dy, rect.right - rect.left,
                     rect.bottom - rect.top, placementFlags);
        UpdateWindow(hwnd_);
    }
    lastCursorX_ = cursor.x;
    lastCursorY_ = cursor.y;
}

// The sprites and games place windows in logical pixels; the screen has them times the scale.
void SpriteWindow::getWindowRect(RECT& rect) {
    GetWindowRect(hwnd_, &rect);
    rect = Scale::fromScreen(rect);
}

void SpriteWindow::setWindowPos(int x, int y, int width, int height, bool topmost) {
    placedInTick_ = true;
    // The size is a frame's, whose picture is its logical size times the scale rounded just this way.
    const int left = Scale::toScreen(x), top = Scale::toScreen(y);
    // Never activated, also when kept at the bottom: placements happen on every tick, and taking the
    // activation would pull the focus away from the application the user is typing in.
    SetWindowPos(hwnd_, zOrderFor(topmost), left, top, Scale::toScreen(width), Scale::toScreen(height),
                 topmost ? placementFlags : SWP_NOACTIVATE);
}

void SpriteWindow::moveWindowTo(int x, int y, bool topmost) {
    placedInTick_ = true;
    SetWindowPos(hwnd_, zOrderFor(topmost), Scale::toScreen(x), Scale::toScreen(y), 0, 0,
                 SWP_NOSIZE | placementFlags);
}

void SpriteWindow::setWindowRegion(GdiHandle<HRGN>& region) {
    // Only a region the window accepted becomes the window's; a refused one stays with the caller. Redrawn,
    // so that what the old outline covered and the new one does not is repainted by the windows beneath:
    // without composition the old frame would stay on the screen.
    placedInTick_ = true;
    if (SetWindowRgn(hwnd_, region.get(), TRUE) != 0)
        region.release();
}

void SpriteWindow::forgetSprite(Sprite& sprite) {
    if (sprite_ == &sprite)
        sprite_ = nullptr;
    if (paintedSprite_ == &sprite)
        paintedSprite_ = nullptr;
}

} // namespace tamba::gui
