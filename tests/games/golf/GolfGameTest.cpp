#include "games/golf/GolfGame.h"
#include "app/Application.h"
#include "games/ScoreCard.h"
#include "gui/Timer.h"

#include <gtest/gtest.h>
#include <vector>

using tamba::games::GolfBallWindow;
using tamba::games::GolfFleebaWindow;
using tamba::games::GolfGame;
using tamba::games::GolfHoleWindow;
using tamba::gui::Timer;

namespace {

POINT topLeft(const tamba::gui::Window& window) {
    RECT rect;
    window.windowRect(rect);
    return POINT{rect.left, rect.top};
}

const RECT& screen() {
    return tamba::app::Application::current()->desktopRect();
}

// A started game without the instructions dialog; only the ticks made by hand happen. The hole waits in
// the bottom-right corner, away from every path a test sends the ball on.
class GolfGameTest : public testing::Test {
protected:
    GolfGameTest() : timer(100, false), game(timer, nullptr) {
        game.setShowInstructions([this] { ++instructionsShown; });
        game.start();
        parkHole();
    }

    GolfFleebaWindow& golfer() { return game.golfer(); }
    GolfBallWindow& ball() { return game.ball(); }
    void down(WPARAM key, int times = 1) {
        for (int i = 0; i < times; ++i)
            SendMessageA(golfer().handle(), WM_KEYDOWN, key, 0);
    }
    void releaseUp() { SendMessageA(golfer().handle(), WM_KEYUP, VK_UP, 0); }
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            timer.tick();
    }
    void parkHole() { game.hole().moveTo(screen().right - 80, screen().bottom - 80); }
    void turnTo(int aim) {
        while (golfer().aim() != aim)
            down(VK_RIGHT);
    }
    // The ball's top-left corner at the top-left of the current aim's club head, plus a shift.
    void ballAtClub(int shiftX = 0) {
        const POINT at = topLeft(golfer());
        const RECT& club = GolfFleebaWindow::clubHeads[golfer().aim()];
        ball().moveTo(at.x + club.left + shiftX, at.y + club.top);
    }
    // Winds up with that many presses and releases; returns once the ball has been struck.
    void stroke(int presses) {
        ballAtClub();
        down(VK_UP, presses);
        releaseUp();
        for (int i = 0; i < 100 && golfer().state() != GolfFleebaWindow::followingThrough; ++i)
            tick();
    }
    void settle() {
        for (int i = 0; i < 100 && (ball().flying() || golfer().state() != GolfFleebaWindow::idle); ++i)
            tick();
    }

    int instructionsShown = 0;
    Timer timer;
    GolfGame game;
};

} // namespace

TEST_F(GolfGameTest, LeftAndRightTurnThroughSixteenAimsEachWithItsOwnPictures) {
    down(VK_LEFT);
    EXPECT_EQ(golfer().aim(), 15);
    EXPECT_EQ(golfer().sprite(), &golfer().aimSprite(15));
    down(VK_RIGHT);
    EXPECT_EQ(golfer().aim(), 0);
    EXPECT_EQ(golfer().sprite(), &golfer().aimSprite(0));
    down(VK_RIGHT, 16);
    EXPECT_EQ(golfer().aim(), 0);
    EXPECT_EQ(golfer().aimSprite(0).frameSet().firstBitmapId(), 961);
    EXPECT_EQ(golfer().aimSprite(1).frameSet().firstBitmapId(), 811);
    EXPECT_EQ(golfer().aimSprite(15).frameSet().firstBitmapId(), 951);
}

TEST_F(GolfGameTest, UpActsOnlyWhenTheClubHeadTouchesTheBall) {
    ballAtClub(-16); // right edge on the club head's left edge: no overlap
    down(VK_UP, 3);
    releaseUp();
    tick(3);
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::idle);
    EXPECT_EQ(golfer().club(), 0);
    ballAtClub(-15);
    down(VK_UP);
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::windingUp);
    EXPECT_EQ(golfer().club(), 1) << "the first press already turns the club";
}

TEST_F(GolfGameTest, EveryFullTurnOfTheBackswingAddsOneToThePower) {
    const int presses[] = {15, 16, 33};
    const int power[] = {0, 1, 2};
    for (int i = 0; i < 3; ++i) {
        game.start();
        ballAtClub();
        down(VK_UP, presses[i]);
        EXPECT_EQ(golfer().power(), power[i]) << presses[i];
        EXPECT_EQ(golfer().unwindCount(), power[i]) << presses[i];
    }
}

TEST_F(GolfGameTest, ReleaseUnwindsOneStepPerTickThenSwingsStrikesAndWatches) {
    ballAtClub();
    down(VK_UP, 16);
    releaseUp();
    std::vector<int> clubs;
    while (golfer().state() == GolfFleebaWindow::unwinding && clubs.size() < 40) {
        tick();
        clubs.push_back(golfer().club());
    }
    const std::vector<int> expected = {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0};
    EXPECT_EQ(clubs, expected);
    ASSERT_EQ(golfer().state(), GolfFleebaWindow::swinging);
    tick(5);
    EXPECT_FALSE(ball().flying());
    tick();
    EXPECT_TRUE(ball().flying());
    EXPECT_EQ(ball().speed(), 40);
    EXPECT_EQ(golfer().shots(), 1);
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::followingThrough);
    tick(6);
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::watching);
    tick(15);
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::idle);
}

TEST_F(GolfGameTest, TheBallFliesFourDirectionsBackFromTheAim) {
    const int aims[] = {0, 3, 4};
    const int directions[] = {12, 15, 0};
    for (int i = 0; i < 3; ++i) {
        turnTo(aims[i]);
        stroke(1);
        EXPECT_EQ(ball().direction(), directions[i]) << aims[i];
        settle();
    }
}

TEST_F(GolfGameTest, LaunchSpeedFollowsThePowerAndTheBallStopsDeadAtTheCard) {
    RECT card;
    game.scoreCard()->windowRect(card);
    std::vector<int> speeds;
    for (int power = 0; power <= 6; ++power) {
        ball().moveTo(card.right, 100);
        ball().launch(7, power);
        ball().launch(3, 9); // ignored while flying
        speeds.push_back(ball().speed());
        EXPECT_EQ(ball().direction(), 7);
        tick();
        EXPECT_FALSE(ball().flying());
        EXPECT_EQ(topLeft(ball()).x, card.right) << "stopped without moving";
    }
    EXPECT_EQ(speeds, (std::vector<int>{20, 40, 60, 80, 100, 120, 120}));
}

TEST_F(GolfGameTest, EachTickMovesByTheSpeedAndThenDividesItByOnePointOne) {
    ball().moveTo(100, 600);
    ball().launch(15, 0);
    std::vector<int> moves;
    for (int x = 100; ball().flying() && moves.size() < 40; x = topLeft(ball()).x) {
        tick();
        moves.push_back(topLeft(ball()).x - x);
    }
    EXPECT_EQ(moves, (std::vector<int>{20, 18, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));

    ball().launch(15, 5);
    std::vector<int> speeds;
    for (; ball().flying() && speeds.size() < 60; tick())
        speeds.push_back(ball().speed());
    EXPECT_EQ(speeds, (std::vector<int>{120, 109, 99, 89, 80, 72, 65, 59, 53, 48, 43, 39, 35, 31, 28, 25,
                                        22,  19,  17, 15, 13, 11, 9,  8,  7,  6,  5,  4,  3,  2,  1,  0}));
    EXPECT_EQ(GolfBallWindow::slowedDown(110), 99);
}

TEST_F(GolfGameTest, TheBallWrapsRoundTenPixelsInsideTheScreen) {
    const RECT& s = screen();
    const POINT from[] = {{s.left + 15, 500}, {s.right - 15, 500}, {500, s.bottom - 15}, {500, s.top + 15}};
    const int directions[] = {7, 15, 3, 11};
    const POINT to[] = {{s.right - 10, 500}, {s.left + 10, 500}, {500, s.top + 10}, {500, s.bottom - 10}};
    for (int i = 0; i < 4; ++i) {
        ball().moveTo(from[i].x, from[i].y);
        ball().launch(directions[i], 0);
        tick();
        EXPECT_EQ(topLeft(ball()).x, to[i].x) << i;
        EXPECT_EQ(topLeft(ball()).y, to[i].y) << i;
        settle();
    }
}

TEST_F(GolfGameTest, TheCupCatchesTheBallOnlyOnceItsSpeedIsBelowForty) {
    // At speed 60 the ball is 163 pixels on after three ticks (speed then 44), 207 after the fourth (39).
    for (const int cupAt : {163, 207}) {
        ball().moveTo(100, 500);
        game.hole().moveTo(100 + cupAt, 500 - GolfHoleWindow::cup.top);
        ball().launch(15, 2);
        tick(3);
        EXPECT_EQ(game.resultCount(), 0u) << cupAt;
        tick();
        EXPECT_EQ(game.resultCount(), cupAt == 207 ? 1u : 0u) << cupAt;
        settle();
        EXPECT_EQ(game.resultCount(), cupAt == 207 ? 1u : 0u) << cupAt;
    }
}

TEST_F(GolfGameTest, NineHolesAreScoredInShotsAndThenNoKeyActsUntilANewGame) {
    turnTo(3); // shoots straight right
    stroke(1);
    settle();
    for (unsigned hole = 0; hole < GolfGame::holeCount; ++hole) {
        ballAtClub();
        const POINT at = topLeft(ball());
        game.hole().moveTo(at.x + 60, at.y - GolfHoleWindow::cup.top);
        stroke(1);
        for (int i = 0; i < 20 && game.resultCount() == hole; ++i)
            tick();
        ASSERT_EQ(game.resultCount(), hole + 1);
        EXPECT_STREQ(game.scoreCard()->line(hole).c_str(), hole == 0 ? "2" : "1");
        EXPECT_EQ(golfer().shots(), 0);
        EXPECT_EQ(golfer().state(), GolfFleebaWindow::idle) << "reset during the follow-through";
        if (hole + 1 < GolfGame::holeCount) {
            EXPECT_NE(topLeft(game.hole()).x, at.x + 60) << "placed anew";
        }
    }
    EXPECT_FALSE(IsWindowVisible(ball().handle()));
    EXPECT_TRUE(golfer().gameOver());
    down(VK_LEFT);
    ballAtClub();
    down(VK_UP);
    EXPECT_EQ(golfer().aim(), 3);
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::idle);

    game.start();
    EXPECT_EQ(instructionsShown, 2);
    EXPECT_EQ(game.scoreCard()->lineCount(), 0u);
    EXPECT_TRUE(IsWindowVisible(ball().handle()));
    down(VK_LEFT);
    EXPECT_EQ(golfer().aim(), 2);
}

TEST_F(GolfGameTest, TheCourseIsNeverPlacedAboveAndLeftOfTheCardsCorner) {
    const RECT& s = screen();
    for (int round = 0; round < 50; ++round) {
        game.start();
        EXPECT_EQ(topLeft(golfer()).x, (s.right - 110) / 2);
        EXPECT_EQ(topLeft(golfer()).y, (s.bottom - 110) / 2);
        RECT card;
        game.scoreCard()->windowRect(card);
        const tamba::gui::Window* windows[] = {&game.hole(), &ball()};
        const SIZE sizes[] = {{53, 65}, {16, 16}};
        for (int i = 0; i < 2; ++i) {
            const POINT at = topLeft(*windows[i]);
            EXPECT_TRUE(at.x >= card.right || at.y >= card.bottom) << at.x << "," << at.y;
            EXPECT_GE(at.x, 110);
            EXPECT_LT(at.x, s.right - 110 - sizes[i].cx);
            EXPECT_GE(at.y, 110);
            EXPECT_LT(at.y, s.bottom - 110 - sizes[i].cy);
        }
    }
}

TEST_F(GolfGameTest, StopHidesEverythingAndAGameStoppedMidSwingStartsFacingItsAim) {
    down(VK_RIGHT);
    ballAtClub();
    down(VK_UP, 5);
    game.stop();
    EXPECT_EQ(game.scoreCard(), nullptr);
    EXPECT_FALSE(IsWindowVisible(golfer().handle()));
    EXPECT_FALSE(IsWindowVisible(ball().handle()));
    EXPECT_FALSE(IsWindowVisible(game.hole().handle()));

    game.start();
    EXPECT_EQ(golfer().state(), GolfFleebaWindow::idle);
    EXPECT_EQ(golfer().club(), 1);
    EXPECT_EQ(golfer().sprite(), &golfer().aimSprite(1));
    EXPECT_TRUE(IsWindowVisible(golfer().handle()));
    EXPECT_TRUE(IsWindowVisible(game.hole().handle()));
}
