#include "gui/Window.h"
#include "app/CustomWindow.h"

#include <gtest/gtest.h>

using tamba::app::CustomWindow;
using tamba::gui::Window;

TEST(Window, OperationsAreHarmlessWithoutAWindow) {
    Window window;
    RECT rect = {1, 2, 3, 4};
    window.windowRect(rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 0);
    EXPECT_EQ(rect.bottom, 0);
    window.makeVisible();
    window.centreOnDesktop();
    window.moveTo(5, 5);
    window.focus();
    window.refreshClient();
    window.setTopmost(true);
    EXPECT_EQ(window.handle(), nullptr);
}

TEST(Window, CentresOnTheDesktopByTheClientSize) {
    CustomWindow window("Centred", WS_EX_TOOLWINDOW, WS_POPUP, 0, 0, 501, 316);
    window.centreOnDesktop();
    RECT rect;
    window.windowRect(rect);
    // The test display is 1024 by 768.
    EXPECT_EQ(rect.left, 261);
    EXPECT_EQ(rect.top, 226);
    EXPECT_EQ(rect.right - rect.left, 501);
    EXPECT_EQ(rect.bottom - rect.top, 316);

    window.moveTo(-20, 700);
    window.windowRect(rect);
    EXPECT_EQ(rect.left, -20);
    EXPECT_EQ(rect.top, 700);
    EXPECT_EQ(rect.right - rect.left, 501);
}

TEST(Window, TopmostFalseLeavesTheTopmostBand) {
    CustomWindow window("Layered", WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP, 0, 0, 20, 20);
    window.makeVisible();
    EXPECT_TRUE(GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    window.setTopmost(false);
    EXPECT_FALSE(GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    window.setTopmost(true);
    EXPECT_TRUE(GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(Window, DestroyingAnAlreadyDestroyedWindowDoesNothing) {
    auto* window = new CustomWindow("Gone", 0, WS_POPUP, 0, 0, 10, 10);
    HWND handle = window->handle();
    DestroyWindow(handle);
    EXPECT_FALSE(IsWindow(handle));
    delete window;
    EXPECT_FALSE(IsWindow(handle));
}
