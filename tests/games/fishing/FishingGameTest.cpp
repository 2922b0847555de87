#include "games/fishing/FishingGame.h"
#include "games/ScoreCard.h"
#include "gui/Timer.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using tamba::games::DiverSprite;
using tamba::games::FishingGame;
using tamba::games::FishWindow;
using tamba::gui::Timer;

namespace {

// A game with no instructions dialog and a clock the test sets; only the ticks made by hand happen.
class FishingGameTest : public testing::Test {
protected:
    FishingGameTest() : timer(100, false), game(timer, nullptr) {
        game.setShowInstructions([] {});
        game.setClock([this] { return now; });
        game.start();
    }

    int diverTop() {
        RECT rect;
        game.diver().windowRect(rect);
        return rect.top;
    }
    void key(WPARAM virtualKey) { SendMessageA(game.diver().handle(), WM_KEYDOWN, virtualKey, 0); }
    void tickDiver(int times = 1) {
        for (int i = 0; i < times; ++i)
            game.diver().tick(timer);
    }
    int state() { return game.diver().sprite().motionState; }
    // Parks every fish far from the diver so that only the ones a test places can be netted.
    void parkAllFish() {
        for (unsigned i = 0; i < FishingGame::fishCount; ++i)
            game.fish(i).moveTo(900, 10);
    }
    // In the middle of the box: the diver sinks about 30 pixels during a swipe, and the fish must still
    // be well inside when the swipe ends and the box is looked at.
    void placeInBox(FishWindow& fish, const RECT& box) {
        RECT diver;
        game.diver().windowRect(diver);
        fish.moveTo(diver.left + (box.left + box.right - 37) / 2,
                    diver.top + (box.top + box.bottom - 29) / 2);
    }
    // How far inside the box, as the diver stands now, the fish is: its overlap's height, 0 if none.
    int depthInBox(FishWindow& fish, const RECT& box) {
        RECT diver, rect, overlap;
        game.diver().windowRect(diver);
        RECT placed = box;
        OffsetRect(&placed, diver.left, diver.top);
        fish.windowRect(rect);
        return IntersectRect(&overlap, &rect, &placed) ? overlap.bottom - overlap.top : 0;
    }
    void diveToSwimming() {
        key(VK_DOWN);
        for (int i = 0; i < 40 && state() != DiverSprite::swimming; ++i)
            tickDiver();
        ASSERT_EQ(state(), DiverSprite::swimming);
    }

    DWORD now = 1000;
    Timer timer;
    FishingGame game;
};

} // namespace

TEST_F(FishingGameTest, TenFishSwimInRowsOverTheLowerHalf) {
    for (unsigned i = 0; i < FishingGame::fishCount; ++i) {
        EXPECT_EQ(game.fish(i).rowY(), 384 + 38 * static_cast<int>(i)) << i;
        RECT rect;
        game.fish(i).windowRect(rect);
        EXPECT_EQ(rect.top, game.fish(i).rowY());
        EXPECT_EQ(rect.right - rect.left, 37);
        EXPECT_EQ(rect.bottom - rect.top, 29);
    }
    const bool headsRight[] = {false, true, false, true, false, true, false, true, false, true};
    for (unsigned i = 0; i < FishingGame::fishCount; ++i)
        EXPECT_EQ(game.fish(i).headsRight(), headsRight[i]);
}

namespace {
// Ticks the fish from x until its step jumps back across the screen; returns where it landed.
int reEntryX(Timer& timer, FishWindow& fish, int x) {
    fish.moveTo(x, fish.rowY());
    fish.sprite().started = 1;
    for (int i = 0; i < 20; ++i) {
        fish.tick(timer);
        RECT rect;
        fish.windowRect(rect);
        if (std::abs(rect.left - x) > 8)
            return rect.left;
        x = rect.left;
    }
    return x;
}
} // namespace

TEST_F(FishingGameTest, FishWrapAtTheScreenEdges) {
    EXPECT_EQ(reEntryX(timer, game.fish(1), 1023), 0) << "a fish heading right re-enters at the left edge";
    EXPECT_EQ(reEntryX(timer, game.fish(0), 0), 1024 - 37) << "a fish heading left re-enters at R - 37";
}

TEST_F(FishingGameTest, ADiveWithoutFurtherKeysFollowsItsPath) {
    EXPECT_EQ(diverTop(), 100);
    EXPECT_EQ(game.diver().sprite().surfaceY, 100);
    EXPECT_EQ(game.diver().sprite().floorY, 272);
    key(VK_DOWN);
    EXPECT_EQ(state(), DiverSprite::diving);
    std::vector<int> path = {diverTop()};
    for (int i = 0; i < 80; ++i) {
        tickDiver();
        if (diverTop() != path.back())
            path.push_back(diverTop());
        if (state() == DiverSprite::atHome && diverTop() == 100)
            break;
    }
    const std::vector<int> expected = {100, 116, 132, 148, 164, 180, 196, 212, 228, 244, 260, 272, 279, 285,
                                       290, 294, 297, 299, 300, 299, 297, 294, 290, 285, 279, 272, 100};
    EXPECT_EQ(path, expected);
    EXPECT_EQ(state(), DiverSprite::atHome);
}

TEST_F(FishingGameTest, KeysOutsideTheirStatesChangeNothing) {
    key(VK_LEFT);
    key(VK_RIGHT);
    EXPECT_EQ(state(), DiverSprite::atHome);
    key(VK_DOWN);
    // Below the cap, so that a Down taken for a push deeper would show.
    game.diver().sprite().speed = 3;
    key(VK_DOWN); // diving
    EXPECT_EQ(state(), DiverSprite::diving);
    tickDiver(6);
    EXPECT_EQ(state(), DiverSprite::sinking);
    key(VK_DOWN);
    key(VK_LEFT);
    EXPECT_EQ(state(), DiverSprite::sinking);
    EXPECT_EQ(game.diver().sprite().speed, 3);
}

TEST_F(FishingGameTest, SwipeWithoutAFishOfTheRightHeadingReturnsToSwimming) {
    diveToSwimming();
    parkAllFish();
    // A left swipe nets fish heading right: put a left-heading one in the box.
    placeInBox(game.fish(0), tamba::games::FishingFleebaWindow::leftCatchBox);
    key(VK_LEFT);
    EXPECT_EQ(state(), DiverSprite::swipingLeft);
    key(VK_DOWN);
    EXPECT_EQ(state(), DiverSprite::swipingLeft);
    tickDiver(4);
    EXPECT_EQ(state(), DiverSprite::swimming);
    EXPECT_EQ(game.diver().carriedFish(), nullptr);
    EXPECT_GT(depthInBox(game.fish(0), tamba::games::FishingFleebaWindow::leftCatchBox), 10)
        << "the fish was in the net's reach when the swipe ended";
}

TEST_F(FishingGameTest, OfTwoFishInTheBoxTheEarlierIsCaughtAndScoredOnlyAtTheSurface) {
    diveToSwimming();
    parkAllFish();
    placeInBox(game.fish(3), tamba::games::FishingFleebaWindow::leftCatchBox);
    placeInBox(game.fish(1), tamba::games::FishingFleebaWindow::leftCatchBox);
    key(VK_LEFT);
    tickDiver(4);
    ASSERT_EQ(state(), DiverSprite::carrying);
    EXPECT_EQ(game.diver().carriedFish(), &game.fish(1));
    EXPECT_GT(depthInBox(game.fish(3), tamba::games::FishingFleebaWindow::leftCatchBox), 10)
        << "the later fish was in the box too";
    EXPECT_FALSE(IsWindowVisible(game.fish(1).handle()));
    EXPECT_EQ(game.caughtCount(), 0) << "not scored while carried";
    for (int i = 0; i < 60 && state() == DiverSprite::carrying; ++i)
        tickDiver();
    EXPECT_EQ(state(), DiverSprite::atHome);
    EXPECT_EQ(game.caughtCount(), 1);
    EXPECT_TRUE(IsWindowVisible(game.fish(1).handle()));
}

TEST_F(FishingGameTest, ScoresRunningSecondsAndStacksTheCatches) {
    RECT island;
    game.island().windowRect(island);
    now = 1000 + 12400;
    game.fishCaught(&game.fish(0));
    now = 1000 + 20900;
    game.fishCaught(&game.fish(1));
    ASSERT_NE(game.scoreCard(), nullptr);
    ASSERT_EQ(game.scoreCard()->lineCount(), 2u);
    EXPECT_STREQ(game.scoreCard()->line(0).c_str(), "12");
    EXPECT_STREQ(game.scoreCard()->line(1).c_str(), "32");

    for (unsigned i = 2; i < 6; ++i)
        game.fishCaught(&game.fish(i));
    RECT fifth, sixth;
    game.fish(4).windowRect(fifth);
    game.fish(5).windowRect(sixth);
    EXPECT_EQ(fifth.left, island.left);
    EXPECT_EQ(fifth.top, island.top + 180 - 145);
    EXPECT_EQ(sixth.left, island.left - 37);
    EXPECT_EQ(sixth.top, island.top + 180 - 29);
}

TEST_F(FishingGameTest, AfterTheTenthCatchNoKeyActsUntilANewGame) {
    for (unsigned i = 0; i < FishingGame::fishCount; ++i)
        game.fishCaught(&game.fish(i));
    EXPECT_EQ(state(), DiverSprite::finished);
    EXPECT_TRUE(game.island().finished());
    key(VK_DOWN);
    tickDiver(3);
    EXPECT_EQ(state(), DiverSprite::finished);
    EXPECT_EQ(diverTop(), 100);

    game.start();
    EXPECT_EQ(game.caughtCount(), 0);
    EXPECT_FALSE(game.island().finished());
    key(VK_DOWN);
    EXPECT_EQ(state(), DiverSprite::diving);
}

// At home the diver's frame has no outline: the user clicks the character on the island to get back to
// the game after working elsewhere, and the diver has the keyboard again.
TEST_F(FishingGameTest, AClickOnTheIslandGivesTheDiverTheKeyboardBack) {
    HWND elsewhere = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(elsewhere);
    ASSERT_EQ(GetForegroundWindow(), elsewhere);
    SendMessageA(game.island().handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 40));
    SendMessageA(game.island().handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    EXPECT_EQ(GetForegroundWindow(), game.diver().handle());
    EXPECT_EQ(GetFocus(), game.diver().handle());
    DestroyWindow(elsewhere);
}

TEST_F(FishingGameTest, StopHidesEveryWindow) {
    game.stop();
    EXPECT_FALSE(IsWindowVisible(game.diver().handle()));
    EXPECT_FALSE(IsWindowVisible(game.island().handle()));
    for (unsigned i = 0; i < FishingGame::fishCount; ++i)
        EXPECT_FALSE(IsWindowVisible(game.fish(i).handle()));
    EXPECT_EQ(game.scoreCard(), nullptr);
}

namespace {
// What the island held as its diver when the diver's window was being destroyed.
const tamba::games::IslandWindow* watchedIsland = nullptr;
HWND watchedDiver = nullptr;
bool diverDestroyed = false;
const void* islandsDiverThen = nullptr;
LRESULT CALLBACK watchDiverDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_DESTROY && sent->hwnd == watchedDiver) {
        diverDestroyed = true;
        islandsDiverThen = watchedIsland->diverWindow();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

// At exit no stop comes first, and the diver goes before the island: a focus change meanwhile must not
// reach the diver through the island.
TEST(FishingGameTeardown, TheIslandForgetsTheDiverBeforeItGoes) {
    Timer timer(100, false);
    std::optional<FishingGame> game;
    game.emplace(timer, nullptr);
    game->setShowInstructions([] {});
    game->start();
    ASSERT_EQ(game->island().diverWindow(), &game->diver());
    watchedIsland = &game->island();
    watchedDiver = game->diver().handle();
    diverDestroyed = false;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, watchDiverDestroy, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    game.reset();
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(diverDestroyed);
    EXPECT_EQ(islandsDiverThen, nullptr);
}
