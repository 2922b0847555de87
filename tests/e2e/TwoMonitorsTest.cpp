// The real program on two monitors side by side (1024x768 each, the second to the right of the primary),
// driven with real input while the test rearranges the monitors with xrandr, as a user unplugging one
// would: the character lives on either monitor, a game plays on the monitor it was chosen on, a
// full-screen program sends beneath it only the toy's windows on its own monitor, and nothing is left
// off the screens when a monitor goes.
#include "support/GameLauncher.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"
#include "support/UserWindow.h"
#include "support/Xrandr.h"

#include <gtest/gtest.h>

using tamba::test::allTopmost;
using tamba::test::GameLauncher;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::RunningToy;
using tamba::test::UserWindow;
using tamba::test::visibleMenu;
using tamba::test::xrandr;

namespace {

constexpr RECT primary = {0, 0, 1024, 768};
constexpr RECT second = {1024, 0, 2048, 768};

bool within(HWND window, const RECT& monitor) {
    const RECT r = rectOf(window);
    return r.left >= monitor.left && r.top >= monitor.top && r.right <= monitor.right &&
           r.bottom <= monitor.bottom;
}

HWND window(const char* title) {
    return FindWindowA("TambaGuiCustomWindow", title);
}

// The program's dialog on the screen (the instructions picture or the score card), or none.
HWND shownDialog() {
    HWND dialog = FindWindowA("#32770", nullptr);
    return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

void chooseNoGame(HWND from) {
    POINT on;
    ASSERT_TRUE(pointInOutline(from, on));
    RealInput::rightClick(on.x, on.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000));
    RealInput::key('G');
    RealInput::key(VK_RETURN);
}

void dragOnto(HWND toy, const RECT& monitor) {
    POINT on;
    ASSERT_TRUE(pointInOutline(toy, on));
    const RECT r = rectOf(toy);
    const int dx = (monitor.left + monitor.right) / 2 - (r.left + r.right) / 2;
    RealInput::drag(on.x, on.y, on.x + dx, on.y, 16);
    RealInput::settle(300);
}

} // namespace

TEST(TwoMonitors, TheToyLivesAndPlaysOnEitherMonitorAndNothingIsLostWhenOneGoes) {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "this display has no second monitor";
    RunningToy toy;
    ASSERT_NO_FATAL_FAILURE(toy.start());
    const DWORD id = toy.process->processId();
    HWND character = toy.character;
    // The first idle character stands in the middle of the primary monitor.
    EXPECT_EQ(rectOf(character).left, 470);
    EXPECT_EQ(rectOf(character).top, 324);

    // Dragged onto the second monitor, it lives there; a game chosen there plays there: its picture in
    // the monitor's middle, its card in the monitor's corner, every window on that monitor.
    ASSERT_NO_FATAL_FAILURE(dragOnto(character, second));
    ASSERT_TRUE(within(character, second)) << "the drag did not reach the second monitor";
    RECT instructions;
    ASSERT_TRUE(GameLauncher::play(character, 3, instructions)) << "Games > Caber Game";
    EXPECT_NEAR((instructions.left + instructions.right) / 2, 1536, 1);
    EXPECT_NEAR((instructions.top + instructions.bottom) / 2, 384, 1);
    HWND thrower = window("CaberFleebaWindow");
    HWND target = window("CaberTargetWindow");
    HWND line = window("CaberLineWindow");
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(thrower) && IsWindowVisible(line); }, 5000));
    HWND card = nullptr;
    ASSERT_TRUE(
        pumpUntil([&] { return (card = shownDialog()) != nullptr && rectOf(card).left >= 1024; }, 5000))
        << "no score card on the second monitor";
    EXPECT_EQ(rectOf(card).left, second.left);
    EXPECT_EQ(rectOf(card).top, second.top);
    for (HWND w : {thrower, target, line})
        EXPECT_TRUE(within(w, second)) << "a caber window is off the second monitor";

    // A full-screen program on the primary monitor leaves the game alone; on the game's monitor, every
    // window of the toy there, the card too, goes beneath it until it leaves.
    {
        UserWindow fullScreen(WS_POPUP, primary.left, primary.top, 1024, 768);
        RealInput::settle(1500);
        EXPECT_TRUE(allTopmost(id, true)) << "a full-screen program on the other monitor sent the toy down";
    }
    {
        UserWindow fullScreen(WS_POPUP, second.left, second.top, 1024, 768);
        EXPECT_TRUE(pumpUntil([&] { return allTopmost(id, false); }, 3000)) << "did not stand down";
    }
    EXPECT_TRUE(pumpUntil([&] { return allTopmost(id, true); }, 3000));

    // The second monitor goes: the game starts again on the primary one.
    ASSERT_TRUE(xrandr("--output DUMMY1 --off", 1));
    // The old card goes with the old game; the instructions of the new one come up.
    HWND dialog = nullptr;
    ASSERT_TRUE(pumpUntil(
        [&] { return !IsWindow(card) && (dialog = shownDialog()) != nullptr && within(dialog, primary); },
        5000))
        << "the caber game did not start again on the primary monitor";
    instructions = rectOf(dialog);
    RealInput::click(instructions.left + 316, instructions.top + 280);
    ASSERT_TRUE(pumpUntil([&] { return within(thrower, primary) && IsWindowVisible(thrower); }, 5000));
    for (HWND w : {target, line})
        EXPECT_TRUE(within(w, primary));
    EXPECT_TRUE(pumpUntil([&] { return (card = shownDialog()) != nullptr && rectOf(card).left == 0; }, 3000));

    // It comes back: nothing moves.
    const RECT targetBefore = rectOf(target);
    ASSERT_TRUE(xrandr("--output DUMMY1 --mode 1024x768_60 --pos 1024x0", 2));
    RealInput::settle(2000);
    const RECT targetAfter = rectOf(target);
    EXPECT_TRUE(EqualRect(&targetBefore, &targetAfter)) << "the target moved";

    // The character, left on the second monitor when it goes, comes back onto the primary one, whole.
    ASSERT_NO_FATAL_FAILURE(chooseNoGame(thrower));
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(character) && rectOf(character).left == 470; }, 5000))
        << "No Game did not put the character in the middle of the monitor it was chosen on";
    ASSERT_NO_FATAL_FAILURE(dragOnto(character, second));
    ASSERT_TRUE(within(character, second));
    ASSERT_TRUE(xrandr("--output DUMMY1 --off", 1));
    EXPECT_TRUE(pumpUntil([&] { return within(character, primary); }, 5000))
        << "the character was left off the screens";

    // The primary monitor shrinks: the character comes onto what is left of it.
    ASSERT_TRUE(xrandr("--output DUMMY0 --mode 800x600", 1));
    EXPECT_TRUE(pumpUntil(
        [&] {
            return within(character, RECT{0, 0, 800, 600});
        },
        5000))
        << "the character was left off the shrunk monitor";

    // Wine 8's server crashes when the foreground program ends while the pointer it last recorded lies off
    // every monitor (here on the second, which went): the monitors come back first.
    ASSERT_TRUE(
        xrandr("--output DUMMY0 --mode 1024x768_60 --output DUMMY1 --mode 1024x768_60 --pos 1024x0", 2));
    ASSERT_NO_FATAL_FAILURE(toy.quit());
}
