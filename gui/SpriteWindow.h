#pragma once

#include "app/CustomWindow.h"
#include "gui/SpriteHost.h"
#include "gui/TimerListener.h"

#include <cstdint>

namespace tamba::gui {

class Sprite;
class Timer;

// The borderless, tool-style, top-most popup that everything on the desktop is drawn in. It shows one
// sprite at a time, clipped to the current frame's outline, and advances it by one frame per timer tick
// while it is shown. Derived windows own the sprites and switch between them.
class SpriteWindow : public app::CustomWindow, public TimerListener, public SpriteHost {
public:
    enum Visibility : std::int32_t { Hidden = 0, Shown = 1 };

    // Created hidden, 10 by 10 pixels at (x, y); registers with the timer last.
    SpriteWindow(const util::String& title, Timer& timer, int x, int y);
    ~SpriteWindow() override;

    // False keeps the window at the bottom of the z-order at every placement from now on.
    void setTopmost(bool topmost) override;
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onPaint(PAINTSTRUCT& paint) override;
    // A sprite window is never closed by a close request.
    bool onClose() override;

    // Switches at once: the new sprite is placed at the window's top-left corner with its first frame.
    virtual void setSprite(Sprite* sprite);
    // Shows the window at its first frame's size; the animation goes on from the frame it stopped at.
    virtual void show();
    // Called after a tick that left the sprite finished; derived windows chain their animations here.
    virtual void onSpriteFinished();

    void hide();

    Sprite* sprite() const { return sprite_; }
    Visibility visibility() const { return visibility_; }
    bool topmost() const override { return topmost_; }
    bool draggable() const { return draggable_; }
    bool takesKeys() const { return takesKeys_; }
    bool inTick() const { return inTick_; }
    // The window that gets the keyboard when this one is clicked: itself if it takes keys, else none.
    virtual SpriteWindow* keyWindow() { return takesKeys_ ? this : nullptr; }
    // Makes this the foreground window with the keyboard focus.
    void takeKeyboard();

    void tick(Timer& timer) override;

    void getWindowRect(RECT& rect) override;
    void setWindowPos(int x, int y, int width, int height, bool topmost) override;
    void moveWindowTo(int x, int y, bool topmost) override;
    void setWindowRegion(GdiHandle<HRGN>& region) override;
    void forgetSprite(Sprite& sprite) override;

protected:
    void setDraggable(bool draggable) { draggable_ = draggable; }
    // A window that takes keys gets the keyboard when the user clicks it; every other one never becomes
    // the active window, so the keys stay with the program the user works in.
    void setTakesKeys(bool takesKeys) { takesKeys_ = takesKeys; }

private:
    bool animating() const;
    void drag();
    void endDrag();
    // A poll of the cursor and the button while dragging: moves as a mouse move would.
    void followCursor();
    void clicked();

    Sprite* sprite_; // not owned: the derived window owns its sprites
    bool inTick_;
    // What the window last showed: a tick that changes neither draws nothing, which keeps an idle
    // character nearly free.
    const Sprite* paintedSprite_ = nullptr; // not owned
    int paintedFrame_ = -1;
    // Whether the sprite moved, sized or reshaped the window during the current tick.
    bool placedInTick_ = false;
    Visibility visibility_;
    Timer* timer_; // not owned: outlives every window registered with it
    bool draggable_;
    bool takesKeys_ = false;
    bool topmost_;
    bool dragging_;
    bool firstMove_;
    int lastCursorX_;
    int lastCursorY_;
};

} // namespace tamba::gui
