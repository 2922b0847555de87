// Starts the real program and uses it as a person would: watches the splash panel give way to the
// character, drags the character, and works the popup menu with the mouse and keys.
#include "support/DebuggedProcess.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using tamba::test::DebuggedProcess;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::visibleMenu;
using tamba::test::visibleWindowsOf;
using tamba::test::waitForWindow;
using tamba::test::windowTitle;

TEST(Shell, SplashThenIdleCharacterDragAndMenu) {
    DebuggedProcess program("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.started());

    HWND splash = waitForWindow("FleebaSplashScreen", 20000);
    ASSERT_NE(splash, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(splash) != FALSE; }, 10000));
    const DWORD shownAt = GetTickCount();

    const auto lines = program.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Fleeba ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("OS: ", 0), 0u);
    EXPECT_EQ(lines[1], lines[2]);

    RECT rect = rectOf(splash);
    EXPECT_EQ(rect.left, 261);
    EXPECT_EQ(rect.top, 226);
    EXPECT_EQ(rect.right - rect.left, 501);
    EXPECT_EQ(rect.bottom - rect.top, 316);
    const auto visible = visibleWindowsOf(program.processId());
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible[0], splash);

    // Clicks on the panel neither move it, nor end it, nor open a menu.
    RealInput::click(400, 300);
    RealInput::rightClick(500, 400);
    RealInput::settle(300);
    EXPECT_EQ(visibleMenu(), nullptr);
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_EQ(rectOf(splash).left, 261);
    EXPECT_EQ(rectOf(splash).top, 226);

    HWND character = FindWindowA("TambaGuiCustomWindow", "FleebaWindow");
    ASSERT_NE(character, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindowVisible(splash); }, 12000));
    const DWORD splashMs = GetTickCount() - shownAt;
    // 65 ticks of 100 ms; a busy machine only makes it later.
    EXPECT_GE(splashMs, 5800u);
    EXPECT_LE(splashMs, 10000u);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(character) != FALSE; }, 2000));
    // The display may report the new place a moment after the window appears.
    pumpUntil([&] { return rectOf(character).left == 470; }, 2000);
    rect = rectOf(character);
    EXPECT_EQ(rect.left, 470);
    EXPECT_EQ(rect.top, 324);
    EXPECT_EQ(rect.right - rect.left, 83);
    EXPECT_EQ(rect.bottom - rect.top, 120);
    EXPECT_EQ(windowTitle(visibleWindowsOf(program.processId()).at(0)), "FleebaWindow");

    // Drag the character by (-200, -150).
    POINT grab;
    ASSERT_TRUE(pointInOutline(character, grab));
    // The first move after the button goes down only marks where the cursor is; every later one moves the
    // character by exactly as much as the cursor.
    RealInput::moveTo(grab.x, grab.y);
    RealInput::press();
    RealInput::moveTo(grab.x + 1, grab.y + 1);
    for (int i = 1; i <= 5; ++i)
        RealInput::moveTo(grab.x + 1 - 40 * i, grab.y + 1 - 30 * i);
    RealInput::release();
    RealInput::settle(200);
    rect = rectOf(character);
    EXPECT_EQ(rect.left, 270);
    EXPECT_EQ(rect.top, 174);

    // Right-click: the menu opens with its top-left corner at the mouse; Escape dismisses it and nothing
    // changes.
    ASSERT_TRUE(pointInOutline(character, grab));
    RealInput::rightClick(grab.x, grab.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000));
    const RECT menuRect = rectOf(visibleMenu());
    EXPECT_EQ(menuRect.left, grab.x);
    EXPECT_EQ(menuRect.top, grab.y);
    RealInput::key(VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() == nullptr; }, 3000));
    RealInput::settle(300);
    EXPECT_EQ(rectOf(character).left, 270);
    EXPECT_TRUE(IsWindowVisible(character));

    // Games > No Game puts the character back in the middle.
    RealInput::rightClick(grab.x, grab.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000));
    RealInput::key('G');
    RealInput::settle(200);
    RealInput::key(VK_RETURN);
    ASSERT_TRUE(pumpUntil([&] { return rectOf(character).left == 470; }, 3000));
    EXPECT_EQ(rectOf(character).top, 324);
    EXPECT_TRUE(IsWindowVisible(character));

    // Exit ends the program with exit code 0.
    ASSERT_TRUE(pointInOutline(character, grab));
    RealInput::rightClick(grab.x, grab.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000));
    RealInput::key('X');
    EXPECT_EQ(program.waitForExit(10000), 0u);
}
