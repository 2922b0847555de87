// The real program beside another one, driven with real input: this test's own windows play the program
// the user works in. Clicks and drags on the toy never take that program's keyboard, a click on the golfer
// does; and the toy keeps beneath another program's full-screen window, but not beneath a maximized one.
#include "support/GameLauncher.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"
#include "support/UserWindow.h"

#include "res/resource.h"

#include <gtest/gtest.h>
#include <vector>

using tamba::test::allTopmost;
using tamba::test::GameLauncher;
using tamba::test::outlineData;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::RunningToy;
using tamba::test::screenColour;
using tamba::test::topmost;
using tamba::test::UserWindow;
using tamba::test::visibleMenu;
using tamba::test::windowTitle;

namespace {

// Which window of the program's thread is active and which has the focus.
GUITHREADINFO threadInfo(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

void keepsTheKeyboard(const UserWindow& user, HWND toy, const char* after) {
    EXPECT_EQ(GetForegroundWindow(), user.handle)
        << after << ": \"" << windowTitle(GetForegroundWindow()) << "\" has it";
    EXPECT_NE(threadInfo(toy).hwndActive, toy) << after;
}

} // namespace

TEST(DesktopCitizen, ClicksAndDragsLeaveTheKeyboardWhereItWasAndTheGolferTakesItWhenClicked) {
    RunningToy program;
    ASSERT_NO_FATAL_FAILURE(program.start());
    // Beneath the character and wherever it is dragged to.
    UserWindow user(WS_OVERLAPPEDWINDOW, 200, 200, 600, 450);
    ASSERT_EQ(GetForegroundWindow(), user.handle);
    HWND character = program.character;

    POINT on;
    ASSERT_TRUE(pointInOutline(character, on));
    RealInput::click(on.x, on.y);
    // Long enough that the drag's press is no double click.
    RealInput::settle(GetDoubleClickTime() + 200);
    keepsTheKeyboard(user, character, "after a click on the character");

    // A drag moves the character and leaves the keyboard where it was: the keys still reach the user's
    // program.
    const RECT before = rectOf(character);
    RealInput::drag(on.x, on.y, on.x - 150, on.y + 100);
    RealInput::settle(300);
    const RECT after = rectOf(character);
    EXPECT_LT(after.left, before.left - 100) << "the drag did not move the character";
    EXPECT_GT(after.top, before.top + 60);
    keepsTheKeyboard(user, character, "after a drag of the character");
    const int keys = user.keys;
    RealInput::key('A');
    RealInput::settle(200);
    EXPECT_EQ(user.keys, keys + 1) << "a key went elsewhere";

    // The menu has the foreground while it is open, and gives it back when dismissed.
    ASSERT_TRUE(pointInOutline(character, on));
    RealInput::rightClick(on.x, on.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000));
    RealInput::key(VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() == nullptr; }, 3000));
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == user.handle; }, 3000))
        << "the dismissed menu kept the keyboard";
    // The program that got the keyboard back did not cover the character.
    RealInput::settle(1000);
    EXPECT_NE(screenColour(on), UserWindow::colour);

    // Golf starts without the keyboard; clicks on the ball and the hole keep it with the user's program,
    // a click on the golfer gives it to the golfer, and its keys turn it.
    RECT instructions;
    ASSERT_TRUE(GameLauncher::play(character, 2, instructions));
    HWND golfer = FindWindowA("TambaGuiCustomWindow", "GolfFleebaWindow");
    HWND ball = FindWindowA("TambaGuiCustomWindow", "GolfBallWindow");
    HWND hole = FindWindowA("TambaGuiCustomWindow", "GolfHoleWindow");
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(golfer) && IsWindowVisible(ball); }, 5000));
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == user.handle; }, 3000))
        << "starting golf kept the keyboard";
    for (HWND window : {ball, hole}) {
        ASSERT_TRUE(pointInOutline(window, on));
        RealInput::click(on.x, on.y);
        RealInput::settle(300);
        keepsTheKeyboard(user, window, "after a click on a golf window");
    }
    ASSERT_TRUE(pointInOutline(golfer, on));
    RealInput::click(on.x, on.y);
    EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() == golfer; }, 3000));
    EXPECT_EQ(threadInfo(golfer).hwndFocus, golfer);
    const std::vector<char> aimed = outlineData(golfer);
    RealInput::key(VK_RIGHT);
    EXPECT_TRUE(pumpUntil([&] { return outlineData(golfer) != aimed; }, 3000))
        << "Right did not turn the golfer";
    ASSERT_NO_FATAL_FAILURE(program.quit());
}

TEST(DesktopCitizen, StandsDownForAnotherProgramsFullScreenWindowOnly) {
    RunningToy program;
    ASSERT_NO_FATAL_FAILURE(program.start());
    const DWORD id = program.process->processId();
    HWND character = program.character;
    POINT on;
    ASSERT_TRUE(pointInOutline(character, on));
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);

    {
        // A maximized window with a caption covers the screen too, but is no full-screen program.
        UserWindow maximized(WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, 0, 0, 400, 300);
        ASSERT_TRUE(IsZoomed(maximized.handle));
        RealInput::settle(1000);
        EXPECT_TRUE(allTopmost(id, true));
        EXPECT_EQ(WindowFromPoint(on), character);
    }
    {
        UserWindow fullScreen(WS_POPUP, 0, 0, width, height);
        EXPECT_TRUE(pumpUntil([&] { return allTopmost(id, false); }, 3000)) << "did not stand down";
        RealInput::settle(1000); // the idle animation goes on beneath
        EXPECT_FALSE(topmost(character));
        EXPECT_EQ(WindowFromPoint(on), fullScreen.handle);
        EXPECT_EQ(screenColour(on), UserWindow::colour) << "the character shows over the full-screen window";

        // Leaving full screen brings the toy back on top; going full screen again sends it beneath.
        SetWindowPos(fullScreen.handle, nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOMOVE);
        EXPECT_TRUE(pumpUntil([&] { return allTopmost(id, true); }, 3000));
        EXPECT_EQ(WindowFromPoint(on), character);
        SetWindowPos(fullScreen.handle, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE);
        EXPECT_TRUE(pumpUntil([&] { return allTopmost(id, false); }, 3000));
    }
    // The full-screen window went: back in the band.
    EXPECT_TRUE(pumpUntil([&] { return allTopmost(id, true); }, 3000));
    EXPECT_TRUE(pumpUntil([&] { return WindowFromPoint(on) == character; }, 3000));

    // With Show on top cleared the toy keeps beneath everything, and nothing brings it back to the band.
    RealInput::rightClick(on.x, on.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000));
    RealInput::key('O');
    HWND dialog = nullptr;
    ASSERT_TRUE(pumpUntil(
        [&] { return (dialog = FindWindowA("#32770", nullptr)) != nullptr && IsWindowVisible(dialog); },
        5000));
    const RECT box = rectOf(GetDlgItem(dialog, IDC_ON_TOP));
    RealInput::click(box.left + 6, (box.top + box.bottom) / 2);
    RealInput::settle(150);
    const RECT ok = rectOf(GetDlgItem(dialog, IDOK));
    RealInput::click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    ASSERT_TRUE(pumpUntil([&] { return !topmost(character); }, 3000));
    {
        UserWindow fullScreen(WS_POPUP, 0, 0, width, height);
        RealInput::settle(1000);
        EXPECT_FALSE(topmost(character));
    }
    RealInput::settle(1000);
    EXPECT_TRUE(allTopmost(id, false)) << "the full-screen window's going put the toy back on top";
    ASSERT_NO_FATAL_FAILURE(program.quit());
}
