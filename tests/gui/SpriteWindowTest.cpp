#include "gui/SpriteWindow.h"
#include "app/CustomWindow.h"
#include "gui/CyclingSprite.h"
#include "gui/SequenceSprite.h"
#include "gui/Timer.h"
#include "support/GdiCensus.h"
#include "support/TestEnvironment.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <new>

using namespace tamba::gui;
using tamba::test::pumpMessages;
using tamba::test::pumpUntil;

namespace {
// Frame set 500-504, 32 by 24: red (whole outline), green (left half), blue (top half and bottom-left
// quarter), yellow (no rectangles), magenta (rejected outline data).
const COLORREF red = RGB(255, 0, 0);
const COLORREF green = RGB(0, 255, 0);

class TestWindow : public SpriteWindow {
public:
    TestWindow(Timer& timer, int x, int y, bool drag = false)
        : SpriteWindow("SpriteTestWindow", timer, x, y) {
        setDraggable(drag);
    }
    void onSpriteFinished() override { ++finishedCalls; }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN)
            ++buttonDowns;
        if (message == WM_WINDOWPOSCHANGED) {
            // A new outline reaches the window as a frame change that moves and sizes nothing.
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
            if ((flags & (SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE)) ==
                (SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE)) {
                ++outlineChanges;
                if (flags & SWP_NOREDRAW)
                    ++unredrawnOutlineChanges;
            }
        }
        return SpriteWindow::handleMessage(window, message, wParam, lParam);
    }
    RECT rect() const {
        RECT r;
        GetWindowRect(handle(), &r);
        return r;
    }
    // Left, top, width, height.
    std::array<long, 4> place() const {
        const RECT r = rect();
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    int finishedCalls = 0;
    int buttonDowns = 0;
    int outlineChanges = 0;
    int unredrawnOutlineChanges = 0;
};

// Counts its paints, and sees whether its window was inside a tick when asked to advance; it can also ask
// for a synchronous repaint from inside the tick.
class ProbeSprite : public CyclingSprite {
public:
    explicit ProbeSprite(int repeat = 0) : CyclingSprite(5, 500, 500, repeat) {}
    void advance(bool topmost) override {
        if (hold)
            selectFrame(currentFrame(), topmost, nullptr);
        else
            CyclingSprite::advance(topmost);
        auto* window = dynamic_cast<SpriteWindow*>(host());
        advancedInTick = window != nullptr && window->inTick();
        if (repaintWhileAdvancing && window != nullptr)
            RedrawWindow(window->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    void paint(HDC dc, int x, int y) override {
        ++paints;
        CyclingSprite::paint(dc, x, y);
    }
    int paints = 0;
    bool advancedInTick = false;
    bool repaintWhileAdvancing = false;
    bool hold = false; // advancing keeps the frame
};

// A plain window to lie beneath the sprite windows, counting the clicks that reach it.
class Beneath : public tamba::app::CustomWindow {
public:
    Beneath() : CustomWindow("Beneath", 0, WS_POPUP, 400, 300, 300, 300) { ShowWindow(handle(), SW_SHOW); }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN)
            ++buttonDowns;
        return CustomWindow::handleMessage(window, message, wParam, lParam);
    }
    int buttonDowns = 0;
};

using Place = std::array<long, 4>;

// The bounding box of the window's outline: left, top, right, bottom; all 0 without rectangles.
std::array<long, 4> outlineBox(HWND window) {
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window, outline);
    RECT box;
    GetRgnBox(outline, &box);
    DeleteObject(outline);
    return {box.left, box.top, box.right, box.bottom};
}

COLORREF screenColour(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void sendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute coordinates run 0 to 65535 across the screen; aim at the middle of the pixel.
        input.mi.dx = (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
        input.mi.dy = (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    }
    SendInput(1, &input, sizeof input);
}

bool cursorAt(int x, int y) {
    POINT cursor;
    GetCursorPos(&cursor);
    return cursor.x == x && cursor.y == y;
}

void moveMouse(int x, int y) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    pumpUntil([&] { return cursorAt(x, y); }, 2000);
    pumpMessages(50);
}

void button(DWORD flag) {
    sendMouse(flag);
    pumpMessages(100);
}

class SpriteWindowTest : public testing::Test {
protected:
    // Never ticks by itself: the tests tick.
    Timer timer{100000, false};
};
} // namespace

TEST_F(SpriteWindowTest, IsAHiddenToolStyleTopmostPopupListeningToTheTimer) {
    {
        TestWindow window(timer, 120, 80);
        const HWND handle = window.handle();
        char title[64] = {};
        GetWindowTextA(handle, title, sizeof title);
        EXPECT_STREQ(title, "SpriteTestWindow");
        EXPECT_EQ(GetWindowLongA(handle, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
                  WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(handle, GWL_STYLE)) & (WS_POPUP | WS_CAPTION | WS_BORDER),
                  static_cast<DWORD>(WS_POPUP));
        EXPECT_FALSE(IsWindowVisible(handle));
        EXPECT_EQ(window.place(), (Place{120, 80, 10, 10}));
        EXPECT_EQ(window.visibility(), SpriteWindow::Hidden);
        EXPECT_TRUE(window.topmost());
        EXPECT_EQ(timer.listenerCount(), 1u);

        // A window without a sprite ignores ticks and paints.
        window.show();
        timer.tick();
        InvalidateRect(handle, nullptr, TRUE);
        UpdateWindow(handle);
        EXPECT_EQ(window.place(), (Place{120, 80, 10, 10}));
    }
    EXPECT_EQ(timer.listenerCount(), 0u);
}

TEST_F(SpriteWindowTest, TakesTheSpritesSizeAndOutlineWhileHiddenAndShowsAtTheFirstFrame) {
    TestWindow window(timer, 200, 150);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    EXPECT_EQ(sprite.host(), &window);
    EXPECT_EQ(window.place(), (Place{200, 150, 32, 24}));
    EXPECT_EQ(outlineBox(window.handle()), (Place{0, 0, 32, 24}));
    EXPECT_FALSE(IsWindowVisible(window.handle()));

    window.show();
    EXPECT_TRUE(IsWindowVisible(window.handle()));
    EXPECT_EQ(window.visibility(), SpriteWindow::Shown);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window.handle(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 200);
    EXPECT_EQ(placement.rcNormalPosition.right, 232);
    EXPECT_EQ(placement.rcNormalPosition.bottom, 174);
    EXPECT_EQ(window.place(), (Place{200, 150, 32, 24}));
    pumpMessages(100);
    EXPECT_EQ(screenColour(201, 151), red);

    // The next frame's outline is the left half only.
    timer.tick();
    pumpMessages(100);
    EXPECT_EQ(outlineBox(window.handle()), (Place{0, 0, 16, 24}));
    EXPECT_EQ(screenColour(201, 151), green);

    // The placement's show command restores: a minimised window comes back in the normal state (a bare
    // SW_SHOW or SW_SHOWNA would leave it minimised).
    window.hide();
    ShowWindow(window.handle(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(window.handle()));
    window.show();
    EXPECT_TRUE(IsWindowVisible(window.handle()));
    EXPECT_FALSE(IsIconic(window.handle()));
}

TEST_F(SpriteWindowTest, TickAdvancesInsideTheTickAndPaintsOnce) {
    TestWindow window(timer, 200, 150);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    window.show();
    pumpMessages(100);

    sprite.paints = 0;
    sprite.repaintWhileAdvancing = true;
    window.tick(timer);
    EXPECT_TRUE(sprite.advancedInTick);
    EXPECT_FALSE(window.inTick());
    EXPECT_EQ(sprite.currentFrame(), 1);
    // The repaint asked for during the advance drew nothing; the tick painted once itself.
    EXPECT_EQ(sprite.paints, 1);

    // Outside a tick a paint message draws the frame.
    sprite.repaintWhileAdvancing = false;
    RedrawWindow(window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(sprite.paints, 2);

    // A tick that keeps the frame draws nothing: a part of the window that waits to be repainted is drawn
    // by its paint message, once.
    sprite.hold = true;
    window.tick(timer);
    EXPECT_EQ(sprite.paints, 2);
    InvalidateRect(window.handle(), nullptr, FALSE);
    window.tick(timer);
    pumpMessages(50);
    EXPECT_EQ(sprite.paints, 3);
    window.tick(timer);
    pumpMessages(50);
    EXPECT_EQ(sprite.paints, 3);
}

TEST_F(SpriteWindowTest, ASpriteSwitchedToIsDrawnEvenAtTheAddressOfAnEarlierOne) {
    TestWindow window(timer, 200, 150);
    window.show();
    alignas(ProbeSprite) unsigned char storage[sizeof(ProbeSprite)];
    auto* first = new (storage) ProbeSprite;
    first->hold = true;
    window.setSprite(first);
    window.tick(timer);
    ASSERT_EQ(first->paints, 1);
    CyclingSprite other(5, 500, 500, 0);
    window.setSprite(&other);
    first->~ProbeSprite();
    auto* second = new (storage) ProbeSprite;
    second->hold = true;
    window.setSprite(second);
    window.tick(timer);
    EXPECT_EQ(second->paints, 1);
    window.setSprite(nullptr);
    second->~ProbeSprite();
}

TEST_F(SpriteWindowTest, OnlyAShownVisibleUnminimisedWindowAnimates) {
    TestWindow window(timer, 200, 150);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 0) << "animated before show";

    window.show();
    timer.tick();
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 2);
    window.hide();
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 2) << "animated while hidden";
    window.show();
    EXPECT_EQ(sprite.currentFrame(), 2) << "show rewound the animation";
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 3);

    ShowWindow(window.handle(), SW_MINIMIZE);
    pumpMessages(50);
    ASSERT_TRUE(IsIconic(window.handle()));
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 3) << "animated while minimised";
    ShowWindow(window.handle(), SW_RESTORE);
    ShowWindow(window.handle(), SW_HIDE);
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 3) << "animated while invisible";
    ShowWindow(window.handle(), SW_SHOWNOACTIVATE);
    timer.tick();
    EXPECT_EQ(sprite.currentFrame(), 4);
}

TEST_F(SpriteWindowTest, ShowingAgainTakesTheFirstFramesSize) {
    TestWindow window(timer, 200, 150);
    SequenceSprite sprite(3, 510, 510); // 20 by 16, 24 by 12, 16 by 20
    const int frames[] = {0, 2};
    const POINT offsets[] = {{0, 0}, {1, 1}};
    FrameSequence sequence{0, frames, 2, offsets};
    sprite.setSequence(&sequence);
    window.setSprite(&sprite);
    window.show();
    timer.tick();
    timer.tick(); // the shift places the window with the 16 by 20 frame
    ASSERT_EQ(window.place(), (Place{199, 149, 16, 20}));
    window.hide();
    window.show();
    EXPECT_EQ(window.place(), (Place{199, 149, 20, 16}));
    EXPECT_EQ(sprite.currentFrame(), 2);
}

TEST_F(SpriteWindowTest, ARegionTheWindowRefusesIsDeletedByTheSprite) {
    TestWindow window(timer, 200, 150);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    const int before = tamba::test::liveGdiObjects(OBJ_REGION);
    DestroyWindow(window.handle());
    sprite.selectFrame(1, true, nullptr);
    sprite.selectFrame(2, true, nullptr);
    EXPECT_EQ(tamba::test::liveGdiObjects(OBJ_REGION), before);
}

TEST_F(SpriteWindowTest, CallsOnSpriteFinishedAfterEveryFinishedTick) {
    TestWindow window(timer, 200, 150);
    CyclingSprite once(3, 510, 510, 1);
    window.setSprite(&once);
    window.show();
    timer.tick();
    EXPECT_EQ(window.finishedCalls, 0);
    timer.tick();
    EXPECT_EQ(window.finishedCalls, 1);
    timer.tick();
    EXPECT_EQ(window.finishedCalls, 2);
}

TEST_F(SpriteWindowTest, AnswersItsOwnMessagesAndStaysOpenOnClose) {
    TestWindow window(timer, 200, 150);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    window.show();
    timer.tick();
    const HWND handle = window.handle();
    EXPECT_EQ(SendMessageA(handle, WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(SendMessageA(handle, WM_NCHITTEST, 0, MAKELPARAM(201, 151)), HTCLIENT);
    EXPECT_EQ(SendMessageA(handle, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(handle));
    // Not draggable: the button neither grabs the mouse nor restarts the animation.
    EXPECT_EQ(SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)), 0);
    EXPECT_EQ(SendMessageA(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 9)), 0);
    EXPECT_EQ(SendMessageA(handle, WM_LBUTTONUP, 0, MAKELPARAM(9, 9)), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(sprite.currentFrame(), 1);
    EXPECT_EQ(window.rect().left, 200);
}

TEST_F(SpriteWindowTest, SwitchingSpritesPlacesTheNewOneAtOnce) {
    TestWindow window(timer, 200, 150);
    ProbeSprite first;
    CyclingSprite second(3, 510, 510, 0); // 20 by 16
    window.setSprite(&first);
    window.show();
    timer.tick();
    timer.tick();
    window.setSprite(&second);
    EXPECT_EQ(first.currentFrame(), 0);
    EXPECT_EQ(first.host(), nullptr);
    EXPECT_EQ(window.sprite(), &second);
    EXPECT_EQ(window.place(), (Place{200, 150, 20, 16}));
    EXPECT_EQ(outlineBox(window.handle()), (Place{0, 0, 20, 16}));
}

TEST_F(SpriteWindowTest, OffsetsMoveTheWindowSoTheReferencePointStays) {
    TestWindow window(timer, 200, 150);
    SequenceSprite sprite(5, 500, 500);
    const int frames[] = {0, 1};
    const POINT offsets[] = {{10, 0}, {14, 0}};
    FrameSequence sequence{0, frames, 2, offsets};
    sprite.setSequence(&sequence);
    window.setSprite(&sprite);
    window.show();
    timer.tick();
    EXPECT_EQ(window.place(), (Place{200, 150, 32, 24}));
    timer.tick();
    EXPECT_EQ(window.place(), (Place{196, 150, 32, 24}));
    timer.tick();
    EXPECT_EQ(window.place(), (Place{200, 150, 32, 24}));
}

TEST_F(SpriteWindowTest, DraggingFollowsTheCursorAfterTheFirstMoveAndRestartsTheAnimation) {
    TestWindow window(timer, 300, 300, true);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    window.show();
    timer.tick();
    timer.tick(); // frame 2: top half and bottom-left quarter
    moveMouse(305, 305);
    button(MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(window.buttonDowns, 1);
    EXPECT_EQ(GetCapture(), window.handle());
    EXPECT_EQ(sprite.currentFrame(), 0);

    moveMouse(311, 309);
    EXPECT_EQ(window.place(), (Place{300, 300, 32, 24})) << "the first move moved the window";
    moveMouse(341, 329);
    EXPECT_EQ(window.place(), (Place{330, 320, 32, 24}));
    // No clamping: partly off the screen is allowed.
    moveMouse(1, 310);
    EXPECT_EQ(window.place(), (Place{-10, 301, 32, 24}));

    button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GetCapture(), nullptr);
    moveMouse(20, 330);
    EXPECT_EQ(window.rect().left, -10) << "moved after the button came up";
}

TEST_F(SpriteWindowTest, LosingTheCaptureEndsTheDrag) {
    TestWindow window(timer, 300, 300, true);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    window.show();
    moveMouse(305, 305);
    button(MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(GetCapture(), window.handle());
    moveMouse(306, 306);
    Beneath other;
    SetCapture(other.handle());
    ReleaseCapture();
    SendMessageA(window.handle(), WM_MOUSEMOVE, 0, 0);
    moveMouse(316, 316);
    SendMessageA(window.handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(window.rect().left, 300);
    button(MOUSEEVENTF_LEFTUP);
}

TEST_F(SpriteWindowTest, ANewOutlineIsRedrawnAndClicksOutsideItReachTheWindowBeneath) {
    Beneath beneath;
    TestWindow window(timer, 500, 400);
    ProbeSprite sprite;
    window.setSprite(&sprite);
    window.show();
    pumpMessages(100);
    window.outlineChanges = window.unredrawnOutlineChanges = 0;
    timer.tick(); // frame 1: the left half only
    // Changed with redraw: without composition, what the old outline covered and the new one does not would
    // keep the old frame's pixels, as the windows beneath are not told to repaint it.
    EXPECT_EQ(window.outlineChanges, 1);
    EXPECT_EQ(window.unredrawnOutlineChanges, 0);
    pumpMessages(100);
    EXPECT_EQ(WindowFromPoint(POINT{504, 410}), window.handle());
    EXPECT_EQ(WindowFromPoint(POINT{524, 410}), beneath.handle());

    moveMouse(524, 410);
    button(MOUSEEVENTF_LEFTDOWN);
    button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(beneath.buttonDowns, 1);
    EXPECT_EQ(window.buttonDowns, 0);
    moveMouse(504, 410);
    button(MOUSEEVENTF_LEFTDOWN);
    button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(beneath.buttonDowns, 1);
    EXPECT_EQ(window.buttonDowns, 1);
}

TEST_F(SpriteWindowTest, LeavingTheTopmostBandKeepsItBelowWithoutTakingTheActivation) {
    Beneath other;
    TestWindow window(timer, 450, 350);
    SequenceSprite sprite(5, 500, 500);
    const int frames[] = {0, 1};
    const POINT offsets[] = {{0, 0}, {3, 0}};
    FrameSequence sequence{0, frames, 2, offsets};
    sprite.setSequence(&sequence);
    window.setSprite(&sprite);
    window.show();
    window.setTopmost(false);
    EXPECT_FALSE(window.topmost());
    EXPECT_EQ(GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    SetActiveWindow(other.handle());
    pumpMessages(50);
    ASSERT_EQ(GetActiveWindow(), other.handle());
    timer.tick();
    timer.tick(); // an offset shift places the window
    EXPECT_EQ(window.rect().left, 447);
    EXPECT_EQ(GetActiveWindow(), other.handle());
    EXPECT_EQ(GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(WindowFromPoint(POINT{452, 352}), other.handle());
}

TEST_F(SpriteWindowTest, DestructionDetachesTheSpriteAndForgetsOneDestroyedFirst) {
    ProbeSprite survivor;
    HWND handle;
    {
        TestWindow window(timer, 200, 150);
        window.setSprite(&survivor);
        window.show();
        handle = window.handle();
    }
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(survivor.host(), nullptr);
    EXPECT_EQ(timer.listenerCount(), 0u);

    // Derived windows own their sprites, which go before the window does.
    TestWindow window(timer, 200, 150);
    {
        ProbeSprite owned;
        window.setSprite(&owned);
        window.show();
    }
    EXPECT_EQ(window.sprite(), nullptr);
    timer.tick();
    RedrawWindow(window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
