#include "app/FleebaApp.h"
#include "app/Game.h"

#include "resource.h"

#include <gtest/gtest.h>
#include <string>

using tamba::app::FleebaApp;
using tamba::app::Game;

namespace {
class FakeGame : public Game {
public:
    FakeGame(std::string* log, char name) : log(log), name(name) {}
    void start() override { *log += std::string("start ") + name + ";"; }
    void stop() override { *log += std::string("stop ") + name + ";"; }
    std::string* log;
    char name;
};

RECT rectOf(tamba::gui::Window& window) {
    RECT rect;
    window.windowRect(rect);
    return rect;
}
} // namespace

// The controller's own timer runs, but no message is pumped here, so only the ticks made by hand happen.
TEST(FleebaApp, SplashFirstThenTheCharacterAfterSixtyFiveTicks) {
    FleebaApp app;
    EXPECT_EQ(app.currentGame(), static_cast<Game*>(&app.splashScreen()));
    EXPECT_TRUE(IsWindowVisible(app.splashScreen().handle()));
    EXPECT_FALSE(IsWindowVisible(app.characterWindow().handle()));
    EXPECT_FALSE(IsWindowVisible(app.handle()));
    const RECT splash = rectOf(app.splashScreen());
    EXPECT_EQ(splash.left, 261);
    EXPECT_EQ(splash.top, 226);

    for (int i = 0; i < 64; ++i)
        app.timer().tick();
    EXPECT_TRUE(IsWindowVisible(app.splashScreen().handle()));
    app.timer().tick();
    EXPECT_FALSE(IsWindowVisible(app.splashScreen().handle()));
    EXPECT_TRUE(IsWindowVisible(app.characterWindow().handle()));
    EXPECT_EQ(app.currentGame(), static_cast<Game*>(&app.characterWindow()));
    const RECT character = rectOf(app.characterWindow());
    EXPECT_EQ(character.left, 470);
    EXPECT_EQ(character.top, 324);
}

TEST(FleebaApp, SelectGameStopsThenStartsAndRestartsTheRunningOne) {
    FleebaApp app;
    std::string log;
    FakeGame a(&log, 'a'), b(&log, 'b');
    app.selectGame(&a);
    EXPECT_FALSE(IsWindowVisible(app.splashScreen().handle()));
    EXPECT_EQ(log, "start a;");
    app.selectGame(&a);
    EXPECT_EQ(log, "start a;stop a;start a;");
    app.selectGame(&b);
    EXPECT_EQ(log, "start a;stop a;start a;stop a;start b;");
    app.selectGame(nullptr);
    EXPECT_EQ(log, "start a;stop a;start a;stop a;start b;stop b;");
    EXPECT_EQ(app.currentGame(), nullptr);
}

TEST(FleebaApp, NoGameRecentresTheCharacterAndUnknownCommandsDoNothing) {
    FleebaApp app;
    app.returnToIdle();
    app.characterWindow().moveTo(30, 40);
    app.onCommand(12345, 0);
    EXPECT_EQ(rectOf(app.characterWindow()).left, 30);
    SendMessageA(app.handle(), WM_COMMAND, IDM_NO_GAME, 0);
    EXPECT_EQ(rectOf(app.characterWindow()).left, 470);
    EXPECT_EQ(rectOf(app.characterWindow()).top, 324);
    EXPECT_TRUE(IsWindowVisible(app.characterWindow().handle()));
}

TEST(FleebaApp, RunOnStartupMirrorsTheRegistryValue) {
    // The test prefix has no start-up value for this test executable unless a test put one there.
    {
        FleebaApp app;
        app.applyRunOnStartup(false);
    }
    {
        FleebaApp app;
        EXPECT_FALSE(app.runOnStartup);
        app.applyRunOnStartup(true);
    }
    FleebaApp app;
    EXPECT_TRUE(app.runOnStartup);
    app.applyRunOnStartup(false);
}

namespace {
bool topmost(tamba::gui::Window& window) {
    return (GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
} // namespace

// On top reaches every sprite window of every activity, including those of a game not being played,
// and moves made by the windows' own ticks keep to it. Other windows of the thread are none of its
// business, whatever their user data holds.
TEST(FleebaApp, OnTopSettingReachesEverySpriteWindow) {
    FleebaApp app;
    app.returnToIdle();
    int notAWindowObject[4] = {1, 2, 3, 4};
    HWND foreign = CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(foreign, nullptr);
    SetWindowLongPtrA(foreign, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(notAWindowObject));
    auto& fishing = app.fishingGame();
    tamba::gui::Window* windows[] = {&app.characterWindow(), &app.splashScreen(), &fishing.island(),
                                     &fishing.diver(),       &fishing.fish(0),    &fishing.fish(9)};
    for (auto* window : windows)
        ASSERT_TRUE(topmost(*window));

    app.onTop = false;
    app.applyOnTop();
    for (auto* window : windows)
        EXPECT_FALSE(topmost(*window));
    app.characterWindow().moveTo(30, 40);
    for (int i = 0; i < 20; ++i)
        app.timer().tick();
    EXPECT_FALSE(topmost(app.characterWindow()));
    EXPECT_FALSE(IsWindowVisible(app.fishingGame().island().handle())) << "restacking shows nothing";

    app.onTop = true;
    app.applyOnTop();
    for (auto* window : windows)
        EXPECT_TRUE(topmost(*window));
    DestroyWindow(foreign);
}
