#include "app/FleebaApp.h"
#include "app/Application.h"
#include "app/Game.h"
#include "app/StartupRegistration.h"
#include "games/ScoreCard.h"
#include "gui/Scale.h"
#include "support/CapturingLogger.h"
#include "support/GdiCensus.h"
#include "support/TestEnvironment.h"
#include "tamba_util/Exception.h"

#include "resource.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <psapi.h>
#include <string>
#include <vector>

using tamba::app::Application;
using tamba::app::FleebaApp;
using tamba::app::Game;
using tamba::app::StartupRegistration;
using tamba::gui::Monitors;
using tamba::gui::Scale;

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

namespace {
// The program's own start-up value, or "<none>".
std::string startupValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StartupRegistration::runKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return "<none>";
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    const LONG status =
        RegQueryValueExA(key, "Fleeba Desktop Toy", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? data : "<none>";
}

// Puts back whatever start-up value was there, so that a registration of the real program survives the test.
class KeptStartupValue {
public:
    KeptStartupValue() : value_(startupValue()) {}
    ~KeptStartupValue() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, StartupRegistration::runKey, 0, KEY_SET_VALUE, &key) !=
            ERROR_SUCCESS)
            return;
        if (value_ == "<none>")
            RegDeleteValueA(key, "Fleeba Desktop Toy");
        else
            RegSetValueExA(key, "Fleeba Desktop Toy", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(value_.c_str()),
                           static_cast<DWORD>(value_.size() + 1));
        RegCloseKey(key);
    }

private:
    std::string value_;
};
} // namespace

TEST(FleebaApp, RunOnStartupMirrorsTheRegistryValue) {
    const KeptStartupValue kept;
    {
        FleebaApp app;
        app.applyRunOnStartup(false);
        EXPECT_EQ(startupValue(), "<none>");
    }
    {
        FleebaApp app;
        EXPECT_FALSE(app.runOnStartup);
        app.applyRunOnStartup(true);
    }
    EXPECT_EQ(startupValue(), "\"" + std::string(Application::current()->modulePath().c_str()) + "\"");
    FleebaApp app;
    EXPECT_TRUE(app.runOnStartup);
}

// A start that throws (a missing picture, a dialog that cannot be made) must not leave a half-started game
// current: the character takes over and the failure is logged.
TEST(FleebaApp, AGameWhoseStartFailsGivesWayToTheCharacter) {
    tamba::test::CapturingLogger logger;
    const Application capturing(GetModuleHandleA(nullptr), logger);
    FleebaApp app;
    app.returnToIdle();
    app.fishingGame().setShowInstructions(
        [] { throw tamba::util::Exception("Could not create dialog 101"); });
    logger.lines.clear();
    SendMessageA(app.handle(), WM_COMMAND, IDM_FISHING_GAME, 0);
    EXPECT_EQ(app.currentGame(), static_cast<Game*>(&app.characterWindow()));
    EXPECT_TRUE(IsWindowVisible(app.characterWindow().handle()));
    EXPECT_FALSE(IsWindowVisible(app.fishingGame().island().handle()));
    EXPECT_EQ(std::count(logger.lines.begin(), logger.lines.end(), "Could not create dialog 101\n"), 1);
}

namespace {
RECT menuSeen;
void CALLBACK closeTheMenuOnceOpen(HWND, UINT, UINT_PTR, DWORD) {
    if (HWND menu = tamba::test::visibleMenu()) {
        menuSeen = tamba::test::rectOf(menu);
        EndMenu();
    }
}
} // namespace

// Shift+F10 or the menu key sends -1, -1 for the place: the menu opens at the window that asked, not in the
// screen's bottom-right corner.
TEST(FleebaApp, AMenuAskedForFromTheKeyboardOpensAtTheWindow) {
    FleebaApp app;
    app.returnToIdle();
    const HWND character = app.characterWindow().handle();
    const RECT place = rectOf(app.characterWindow());
    menuSeen = RECT{};
    const UINT_PTR poll = SetTimer(nullptr, 0, 50, closeTheMenuOnceOpen);
    SendMessageA(character, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(character), -1);
    KillTimer(nullptr, poll);
    EXPECT_EQ(menuSeen.left, (place.left + place.right) / 2);
    EXPECT_EQ(menuSeen.top, (place.top + place.bottom) / 2);
}

namespace {
bool topmost(tamba::gui::Window& window) {
    return (GetWindowLongA(window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
} // namespace

// On top reaches every window of the toy, of every activity, the score card too, including those of a
// game not being played, and moves made by the windows' own ticks keep to it. Other windows of the
// thread are none of its business, whatever their user data holds. A monitor covered by another program
// sends down what lies on it, a card made meanwhile too.
TEST(FleebaApp, OnTopSettingAndAStandDownReachEveryWindowOfTheToy) {
    FleebaApp app;
    app.caberGame().setShowInstructions([] {});
    SendMessageA(app.handle(), WM_COMMAND, IDM_CABER_GAME, 0);
    ASSERT_NE(app.caberGame().scoreCard(), nullptr);
    int notAWindowObject[4] = {1, 2, 3, 4};
    HWND foreign = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(foreign, nullptr);
    SetWindowLongPtrA(foreign, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(notAWindowObject));
    auto& fishing = app.fishingGame();
    tamba::gui::Window* windows[] = {&app.characterWindow(),     &app.splashScreen(), &fishing.island(),
                                     &fishing.diver(),           &fishing.fish(0),    &fishing.fish(9),
                                     app.caberGame().scoreCard()};
    for (auto* window : windows)
        ASSERT_TRUE(topmost(*window));

    app.settings().onTop = false;
    app.applyOnTop();
    for (auto* window : windows)
        EXPECT_FALSE(topmost(*window));
    EXPECT_TRUE((GetWindowLongA(foreign, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    app.settings().onTop = true;
    app.applyOnTop();
    for (auto* window : windows)
        EXPECT_TRUE(topmost(*window));
    DestroyWindow(foreign);

    tamba::gui::ToyWindows& toy = Application::current()->toyWindows();
    toy.setStoodDown({Application::current()->monitors().primary()});
    toy.restack();
    EXPECT_FALSE(topmost(app.characterWindow()));
    SendMessageA(app.handle(), WM_COMMAND, IDM_CABER_GAME, 0);
    const bool cardOnTop = app.caberGame().scoreCard() != nullptr && topmost(*app.caberGame().scoreCard());
    toy.setStoodDown({});
    EXPECT_FALSE(cardOnTop) << "a card made during a stand-down came up on top";
    toy.restack();
    EXPECT_TRUE(topmost(app.characterWindow()));

    app.settings().onTop = false;
    app.applyOnTop();
    app.returnToIdle();
    app.characterWindow().moveTo(30, 40);
    for (int i = 0; i < 20; ++i)
        app.timer().tick();
    EXPECT_FALSE(topmost(app.characterWindow()));
    EXPECT_FALSE(IsWindowVisible(app.fishingGame().island().handle())) << "restacking shows nothing";
}

namespace {
// The monitors a test lays out are the platform's for as long as this lives; then the real ones are back.
class LaidOutMonitors {
public:
    LaidOutMonitors(std::vector<RECT> rects, std::vector<int> dpis)
        : monitors_(Application::current()->monitors()) {
        monitors_.assign(std::move(rects), 0, std::move(dpis));
        monitors_.read();
        Application::current()->setPlayMonitor(monitors_.primary());
    }
    ~LaidOutMonitors() {
        monitors_.assign({}, 0);
        monitors_.read();
        Application::current()->setPlayMonitor(monitors_.primary());
        Scale::set(100);
    }

private:
    Monitors& monitors_;
};

SIZE screenSize(tamba::gui::Window& window) {
    RECT rect;
    window.screenRect(rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void sendDpiChange(tamba::gui::Window& window, int dpi) {
    RECT suggested;
    window.screenRect(suggested);
    SendMessageA(window.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

constexpr RECT screen = {0, 0, 1024, 768};
} // namespace

// The scale of the monitor the toy plays on changed: from the next tick the whole toy draws at that scale,
// the character where it stands; a game started afterwards plays at the largest scale at which its field
// fits the monitor.
TEST(FleebaApp, ADpiChangeSwitchesEveryWindowToThatScalesPictures) {
    FleebaApp app;
    LaidOutMonitors laidOut({screen}, {96});
    app.returnToIdle();
    app.timer().tick();
    auto outlineBox = [](tamba::gui::Window& window) {
        RECT box = {};
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(window.handle(), region);
        GetRgnBox(region, &box);
        DeleteObject(region);
        return box;
    };
    ASSERT_EQ(screenSize(app.characterWindow()).cx, 83);
    const RECT outline100 = outlineBox(app.characterWindow());
    RECT at100, at150;
    app.characterWindow().screenRect(at100);

    Application::current()->monitors().assign({screen}, 0, {144});
    sendDpiChange(app.characterWindow(), 144);
    EXPECT_EQ(Scale::percent(), 100) << "not before the next tick";
    app.timer().tick();
    app.timer().tick();
    EXPECT_EQ(Scale::percent(), 150);
    const SIZE character = screenSize(app.characterWindow());
    const RECT outline150 = outlineBox(app.characterWindow());
    app.characterWindow().screenRect(at150);
    // The caber field (1024 by 600) fits the 1024 by 768 test screen at 100 % only.
    app.caberGame().setShowInstructions([] {});
    app.selectGame(&app.caberGame());
    const SIZE thrower = screenSize(app.caberGame().fleeba());
    app.returnToIdle();
    const SIZE characterAgain = screenSize(app.characterWindow());

    EXPECT_EQ(character.cx, 125); // 83 * 1.5, rounded
    EXPECT_EQ(character.cy, 180);
    EXPECT_EQ(at150.bottom, at100.bottom) << "the character grows from the water ring up";
    EXPECT_NEAR((at150.left + at150.right) / 2, (at100.left + at100.right) / 2, 1);
    EXPECT_NEAR(outline150.right - outline150.left, (outline100.right - outline100.left) * 3 / 2, 2);
    EXPECT_NEAR(outline150.bottom - outline150.top, (outline100.bottom - outline100.top) * 3 / 2, 2);
    EXPECT_EQ(thrower.cx, 189) << "played at the largest scale at which it fits";
    EXPECT_EQ(thrower.cy, 251);
    EXPECT_EQ(characterAgain.cx, 125) << "back at the toy's scale after the game";
}

// A window that the game itself moves onto a monitor of another scale changes nothing; the idle character
// that the user puts there takes the toy there, at that monitor's scale.
TEST(FleebaApp, OnlyAWindowTheUserMovedTakesTheToyToAMonitorOfAnotherScale) {
    FleebaApp app;
    const RECT large = {1024, 0, 3584, 1440};
    LaidOutMonitors laidOut({screen, large}, {96, 144});
    int starts = 0;
    app.golfGame().setShowInstructions([&] { ++starts; });
    app.selectGame(&app.golfGame());
    const SIZE golfer100 = screenSize(app.golfGame().golfer());
    app.golfGame().ball().moveTo(2000, 500);
    sendDpiChange(app.golfGame().ball(), 144);
    app.timer().tick();
    EXPECT_EQ(starts, 1) << "the game started again";
    EXPECT_EQ(Scale::percent(), 100);
    EXPECT_TRUE(EqualRect(&Application::current()->playMonitor(), &screen));

    app.returnToIdle();
    app.characterWindow().moveTo(2000, 500);
    sendDpiChange(app.characterWindow(), 144);
    app.timer().tick();
    EXPECT_EQ(Scale::percent(), 150);
    EXPECT_TRUE(EqualRect(&Application::current()->playMonitor(), &large));
    app.selectGame(&app.golfGame());
    EXPECT_EQ(starts, 2);
    app.timer().tick();
    RECT golfer;
    app.golfGame().golfer().screenRect(golfer);
    EXPECT_NEAR(golfer.right - golfer.left, golfer100.cx * 3 / 2, 1)
        << "golf played at the new monitor's scale";
    EXPECT_GE(golfer.left, large.left) << "golf played on the monitor the character was taken to";
}

// Grown at the top edge, the character is moved down to stay whole on its monitor.
TEST(FleebaApp, ALargerSizeAtTheEdgeKeepsTheCharacterWholeOnItsMonitor) {
    FleebaApp app;
    LaidOutMonitors laidOut({screen}, {96});
    app.returnToIdle();
    app.characterWindow().moveTo(0, 0);
    app.timer().tick();
    app.settings().size = 300;
    app.noteSizeChange();
    app.timer().tick();
    app.timer().tick();
    RECT rect;
    app.characterWindow().screenRect(rect);
    EXPECT_EQ(rect.right - rect.left, 249);
    EXPECT_GE(rect.left, 0);
    EXPECT_GE(rect.top, 0);
    EXPECT_LE(rect.bottom, 768);
}

// What the desktop does while a game's instructions are up is not applied inside them: they are asked to
// end, and the game starts again once they have, on the monitor left to it. Never two at once.
TEST(FleebaApp, ADisplayChangeDuringTheInstructionsEndsThemFirstAndNeverNests) {
    FleebaApp app;
    const RECT second = {1024, 0, 2048, 768};
    LaidOutMonitors laidOut({screen, second}, {96, 96});
    int shown = 0, open = 0, mostOpen = 0;
    bool endedByTheToy = false;
    app.caberGame().setShowInstructions([&] {
        ++shown;
        mostOpen = std::max(mostOpen, ++open);
        {
            bool ended = false;
            const Application::ModalLoop loop([&] { ended = endedByTheToy = true; });
            if (shown == 1) {
                Application::current()->monitors().assign({screen}, 0);
                SendMessageA(app.handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
                for (int i = 0; i < 5 && !ended; ++i)
                    app.timer().tick();
            }
        }
        --open;
    });
    Application::current()->setPlayMonitor(second);
    app.selectGame(&app.caberGame());
    EXPECT_TRUE(endedByTheToy);
    EXPECT_EQ(shown, 1) << "started again inside its instructions";
    app.timer().tick();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(mostOpen, 1);
    EXPECT_TRUE(EqualRect(&Application::current()->playMonitor(), &screen));
    RECT thrower;
    app.caberGame().fleeba().screenRect(thrower);
    EXPECT_LE(thrower.right, 1024) << "not played on the monitor that went";
}

namespace {
// The instructions picture of the game starting now, closed by a click on its play box as soon as the
// modal loop runs.
void CALLBACK clickPlay(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("#32770", nullptr);
    if (dialog == nullptr || GetWindowThreadProcessId(dialog, nullptr) != GetCurrentThreadId())
        return;
    KillTimer(nullptr, timer);
    const POINT play = tamba::gui::Scale::toScreen(POINT{316, 280});
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(play.x, play.y));
}

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// What a round of play could leave behind in the process.
struct Leftovers {
    int gdiObjects = tamba::test::liveGdiObjects();
    int windows = 0;
    SIZE_T privateBytes = 0;
    Leftovers() {
        EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&windows));
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        privateBytes = counters.PagefileUsage;
    }
};
} // namespace

// Each game as a person plays it from the menu: its instructions picture, a score card, play, then back
// to the character. After a first round has loaded what stays, a round leaves no object, window or
// memory.
TEST(FleebaApp, EveryRoundOfEveryGameLeavesNothingBehind) {
    FleebaApp app;
    Game* const games[] = {&app.fishingGame(), &app.golfGame(), &app.caberGame()};
    auto round = [&] {
        for (Game* game : games) {
            SetTimer(nullptr, 0, 10, clickPlay);
            app.selectGame(game);
            for (int i = 0; i < 30; ++i)
                app.timer().tick();
            tamba::test::pumpMessages(20);
            app.returnToIdle();
            tamba::test::pumpMessages(20);
        }
    };
    round();
    round();
    const Leftovers warm;
    for (int i = 0; i < 3; ++i)
        round();
    const Leftovers after;
    EXPECT_EQ(after.gdiObjects, warm.gdiObjects);
    EXPECT_EQ(after.windows, warm.windows);
    EXPECT_LT(after.privateBytes, warm.privateBytes + 256 * 1024)
        << "private bytes grew from " << warm.privateBytes << " to " << after.privateBytes;
}
