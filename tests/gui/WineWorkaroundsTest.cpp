#include "gui/WineWorkarounds.h"

#include "app/Application.h"
#include "app/FleebaApp.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using tamba::app::Application;
using tamba::app::FleebaApp;
using tamba::gui::WineWorkarounds;

namespace {
// The platform's own answer comes back after each test.
class WineWorkaroundsTest : public testing::Test {
protected:
    ~WineWorkaroundsTest() override { WineWorkarounds::setEnabled(wine); }
    const bool wine = WineWorkarounds::enabled();
};

// Whether a comes before b in the z-order.
bool above(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a)
            return true;
        if (w == b)
            return false;
    }
    return false;
}

HWND topmostPopup(int x) {
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "other", WS_POPUP | WS_VISIBLE, x, 0,
                           40, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}
} // namespace

// Where the platform needs no help (Windows), none is given: no raising after the foreground moves, no
// drag poll, no activation for the menu.
TEST_F(WineWorkaroundsTest, OffTheyDoNothing) {
    WineWorkarounds::setEnabled(false);
    FleebaApp app;
    app.returnToIdle();
    HWND character = app.characterWindow().handle();
    HWND other = topmostPopup(0);
    ASSERT_TRUE(above(other, character));
    app.wineWorkarounds().foregroundWentElsewhere();
    EXPECT_FALSE(app.wineWorkarounds().raising());
    app.wineWorkarounds().tick(Application::current()->toyWindows());
    EXPECT_TRUE(above(other, character));

    WineWorkarounds::startDragPoll(character);
    EXPECT_FALSE(KillTimer(character, WineWorkarounds::dragTimerId)) << "a drag poll ran";
    SetForegroundWindow(other);
    WineWorkarounds::activateForMenu(character);
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_FALSE(app.wineWorkarounds().layoutCheckDue());
    DestroyWindow(other);
}

// Under Wine the shown windows go back above another program's window raised over them, on the tick the
// foreground moves and a few after; a window of the toy's own taking the foreground ends the schedule,
// so that the character is never raised over the toy's own menu or dialog.
TEST_F(WineWorkaroundsTest, OnTheRaisesFollowTheForegroundAndStopWhenItComesHome) {
    WineWorkarounds::setEnabled(true);
    FleebaApp app;
    app.returnToIdle();
    HWND character = app.characterWindow().handle();
    WineWorkarounds& wine = app.wineWorkarounds();
    HWND other = topmostPopup(0);
    ASSERT_TRUE(above(other, character));
    wine.foregroundWentElsewhere();
    wine.tick(Application::current()->toyWindows());
    EXPECT_TRUE(above(character, other));

    HWND later = topmostPopup(50);
    ASSERT_TRUE(above(later, character));
    wine.tick(Application::current()->toyWindows());
    EXPECT_TRUE(above(character, later)) << "the second raise was not made";

    // The toy's own window takes the foreground: the tick sees it, and nothing is raised any more.
    SetForegroundWindow(character);
    for (unsigned i = 0; i < FleebaApp::foregroundCheckTicks; ++i)
        app.tick(app.timer());
    EXPECT_FALSE(wine.raising());
    HWND dialogLike = topmostPopup(100);
    for (int i = 0; i < 8; ++i)
        wine.tick(Application::current()->toyWindows());
    EXPECT_TRUE(above(dialogLike, character));
    for (HWND w : {other, later, dialogLike})
        DestroyWindow(w);
}
