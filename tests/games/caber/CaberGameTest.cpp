#include "games/caber/CaberGame.h"

#include "app/Application.h"
#include "games/ScoreCard.h"
#include "gui/Region.h"
#include "gui/Timer.h"

#include <gtest/gtest.h>
#include <vector>

using tamba::games::CaberGame;
using tamba::games::CaberWindow;
using tamba::games::FlightSprite;
using Fleeba = tamba::games::CaberFleebaWindow;
using Ints = std::vector<int>;
using tamba::gui::Timer;

namespace {

RECT rectOf(const tamba::gui::Window& window) {
    RECT rect;
    window.windowRect(rect);
    return rect;
}

// A started game without the instructions dialog; only the ticks made by hand happen.
class CaberGameTest : public testing::Test {
protected:
    CaberGameTest() : timer(100, false), game(timer, nullptr) {
        game.setShowInstructions([this] { ++instructionsShown; });
        game.start();
    }

    Fleeba& fleeba() { return game.fleeba(); }
    CaberWindow& caber() { return game.caber(); }
    void key(UINT message, int times = 1) {
        for (int i = 0; i < times; ++i)
            SendMessageA(fleeba().handle(), message, VK_LEFT, 0);
    }
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            timer.tick();
    }
    // Holds Left until the run-up ends in a foul; returns the thrower's left edges, one per tick.
    Ints runToTheLine() {
        key(WM_KEYDOWN);
        Ints lefts;
        for (int i = 0; i < 1000 && fleeba().state() == Fleeba::running; ++i) {
            tick();
            lefts.push_back(rectOf(fleeba()).left);
        }
        return lefts;
    }
    // Ticks until the current throw has its result.
    void untilResult() {
        const unsigned before = game.resultCount();
        for (int i = 0; i < 500 && game.resultCount() == before; ++i)
            tick();
    }
    // Lands the caber with the target-window point p under its touching-down spot.
    void landAt(int x, int y) {
        const RECT t = rectOf(game.target());
        game.caberLanded(t.left + x - CaberGame::groundContact.x, t.top + y - CaberGame::groundContact.y);
    }
    // The screen point of the current flight picture's pivot.
    POINT pivotOnScreen() {
        const RECT r = rectOf(caber());
        const POINT& p = FlightSprite::pivots[caber().flight().currentFrame()];
        return POINT{r.left + p.x, r.top + p.y};
    }

    const RECT screen = tamba::app::Application::current()->desktopRect();
    int instructionsShown = 0;
    Timer timer;
    CaberGame game;
};

} // namespace

TEST_F(CaberGameTest, StartShowsTheInstructionsAndLaysOutThrowerLineAndTargetWithTheFocusOnTheThrower) {
    EXPECT_EQ(instructionsShown, 1);
    const RECT f = rectOf(fleeba());
    EXPECT_EQ(f.left, screen.right - 189);
    EXPECT_EQ(f.top, screen.bottom / 2 - 251 / 2);
    EXPECT_EQ(rectOf(game.target()).left, screen.right / 3 - 287 / 2);
    EXPECT_EQ(rectOf(game.target()).top, f.top + 251 - 162 / 2);
    const RECT line = rectOf(game.line());
    EXPECT_EQ(line.left, screen.right * 3 / 4 + 57 / 2);
    EXPECT_EQ(line.top, f.top + 251 - 60 / 2);
    EXPECT_EQ(fleeba().runner().stopX(), line.left - 78);
    EXPECT_EQ(GetFocus(), fleeba().handle());
    EXPECT_EQ(fleeba().state(), Fleeba::ready);
    EXPECT_TRUE(IsWindowVisible(game.target().handle()));
    EXPECT_TRUE(IsWindowVisible(game.line().handle()));
    EXPECT_FALSE(IsWindowVisible(caber().handle()));
    ASSERT_NE(game.scoreCard(), nullptr);
    EXPECT_EQ(game.scoreCard()->lineCount(), 0u);
}

TEST_F(CaberGameTest, RunUpMovesFourPixelsATickNeverPastTheStopAndHoldingOnIsNoThrowUntilLeftIsReleased) {
    const int start = rectOf(fleeba()).left;
    const int stopX = fleeba().runner().stopX();
    const Ints lefts = runToTheLine();
    ASSERT_GE(lefts.size(), 2u);
    int previous = start;
    for (size_t i = 0; i + 1 < lefts.size(); ++i) {
        EXPECT_TRUE(lefts[i] == previous || lefts[i] == previous - 4) << i;
        EXPECT_GT(lefts[i], stopX - 4) << i;
        previous = lefts[i];
    }
    EXPECT_GT(start - previous, 4) << "it ran";
    EXPECT_LE(previous, stopX) << "it stopped only at the line";
    EXPECT_EQ(fleeba().state(), Fleeba::fouled);
    ASSERT_EQ(game.resultCount(), 1u);
    EXPECT_STREQ(game.result(0).c_str(), "No Throw");
    EXPECT_STREQ(game.scoreCard()->line(0).c_str(), "No Throw");
    EXPECT_EQ(rectOf(fleeba()).left, start) << "back at the start place";
    EXPECT_FALSE(IsWindowVisible(caber().handle()));

    key(WM_KEYDOWN, 3); // still held: no new run
    tick(3);
    EXPECT_EQ(rectOf(fleeba()).left, start);
    EXPECT_EQ(fleeba().state(), Fleeba::fouled);
    key(WM_KEYUP);
    EXPECT_EQ(fleeba().state(), Fleeba::ready);

    runToTheLine();
    key(WM_KEYUP);
    runToTheLine();
    EXPECT_EQ(fleeba().state(), Fleeba::seriesOver) << "the third foul ends the series";
    EXPECT_EQ(game.scoreCard()->lineCount(), 3u);
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_STREQ(game.scoreCard()->line(i).c_str(), "No Throw") << i;
    EXPECT_TRUE(game.pauseTimer().running());
    EXPECT_EQ(game.pauseTimer().periodMs(), 3000u);
    key(WM_KEYUP);
    key(WM_KEYDOWN);
    EXPECT_EQ(fleeba().state(), Fleeba::seriesOver) << "no keys between series";
}

TEST_F(CaberGameTest, AutoRepeatsAddPowerAndReleasingThrowsTheCaberFromBesideTheThrower) {
    key(WM_KEYDOWN, 10); // the first press starts the run, nine repeats
    EXPECT_EQ(fleeba().presses(), 9);
    tick(2);
    key(WM_KEYUP);
    EXPECT_EQ(fleeba().state(), Fleeba::throwing);
    const RECT f = rectOf(fleeba());
    for (int i = 0; i < 20 && caber().flying() == 0; ++i)
        tick();
    ASSERT_EQ(caber().flying(), 1);
    EXPECT_EQ(fleeba().state(), Fleeba::releasing);
    EXPECT_EQ(rectOf(fleeba()).left, f.left) << "no running after the release";
    EXPECT_EQ(caber().flight().vx(), 190);
    EXPECT_EQ(caber().flight().vy(), 460);
    EXPECT_EQ(caber().flight().ground(), f.top + 251);
    EXPECT_EQ(rectOf(caber()).left, f.left - 78);
    EXPECT_EQ(rectOf(caber()).top, f.top - 22);
    EXPECT_TRUE(IsWindowVisible(caber().handle()));
    caber().launch(30);
    EXPECT_EQ(caber().flight().vx(), 190) << "a second launch while flying does nothing";
    untilResult();
    ASSERT_EQ(game.resultCount(), 1u);
    EXPECT_STREQ(game.scoreCard()->line(0).c_str(), game.result(0).c_str());
    EXPECT_EQ(fleeba().state(), Fleeba::ready);
    EXPECT_EQ(caber().flying(), 0);
    EXPECT_FALSE(IsWindowVisible(caber().handle()));
}

TEST_F(CaberGameTest, LaunchSpeedsUseSinglePrecisionConstantsAndPowerStopsAtFortyOne) {
    EXPECT_EQ(CaberWindow::launchVx(1), 19);
    EXPECT_EQ(CaberWindow::launchVy(1), 46);
    EXPECT_EQ(CaberWindow::launchVx(10), 190);
    EXPECT_EQ(CaberWindow::launchVy(10), 460);
    EXPECT_EQ(CaberWindow::launchVx(41), 779);
    EXPECT_EQ(CaberWindow::launchVy(41), 1886);
    caber().launch(500);
    EXPECT_EQ(caber().flight().vx(), 779);
    EXPECT_EQ(caber().flight().vy0(), 1886);
}

TEST_F(CaberGameTest, TheWeakestThrowDropsStraightDownWithItsPivotNeverJumping) {
    // From the thrower, the turn to the steep picture drops the window below the feet at once.
    caber().launch(0);
    EXPECT_EQ(caber().flight().vx() / 50, 0);
    EXPECT_EQ(caber().flight().vy(), 46);
    tick(2);
    EXPECT_EQ(caber().flight().currentFrame(), 4);
    tick();
    EXPECT_EQ(caber().flight().flightState(), FlightSprite::landing);
    game.stop();
    game.start(); // a new series puts a caber still toppling back at rest
    EXPECT_EQ(caber().flight().flightState(), FlightSprite::atRest);

    // High above a deep ground the same speeds show the whole fall.
    CaberWindow& high = caber();
    high.moveTo(400, 50);
    high.flight().startFlight(0, 46, 5000, 0);
    high.show();
    high.makeVisible();
    const POINT start = pivotOnScreen();
    POINT last = start;
    Ints falls;
    Ints frames;
    for (int i = 0; i < 7; ++i) {
        tick();
        ASSERT_EQ(high.flight().flightState(), FlightSprite::flying) << i;
        const POINT now = pivotOnScreen();
        EXPECT_EQ(now.x, start.x) << i;
        falls.push_back(now.y - last.y);
        frames.push_back(high.flight().currentFrame());
        last = now;
    }
    EXPECT_EQ(falls, (Ints{0, 1, 3, 5, 7, 9, 11}));
    EXPECT_EQ(frames, (Ints{2, 4, 4, 4, 4, 4, 4}));
}

TEST_F(CaberGameTest, TheStrongestThrowMovesFifteenLeftAndThirtySevenUpOnItsFirstTick) {
    caber().launch(40);
    const RECT before = rectOf(caber());
    tick();
    const RECT after = rectOf(caber());
    EXPECT_EQ(before.left - after.left, 15);
    EXPECT_EQ(before.top - after.top, 37);
    EXPECT_EQ(caber().flight().currentFrame(), 0);
}

TEST_F(CaberGameTest, LandingKeepsEachTopplingPicturesFootInPlaceAndALandingAtTheLeftEdgeScoresNothing) {
    fleeba().moveTo(100, rectOf(fleeba()).top);
    caber().launch(40);
    tick(); // still in the air at x 7
    const RECT air = rectOf(caber());
    tick(); // the next step would reach past the left edge: it lands from where it was
    ASSERT_EQ(caber().flight().flightState(), FlightSprite::landing);
    EXPECT_EQ(caber().flight().landX(), air.left - 30);
    EXPECT_EQ(caber().flight().landY(), air.top);
    const POINT offsets[5] = {{97, 187}, {129, 189}, {127, 189}, {183, 184}, {195, 185}};
    Ints frames;
    POINT foot = {0, 0};
    for (int i = 0; i < 40 && game.resultCount() == 0; ++i) {
        const RECT r = rectOf(caber());
        const int frame = caber().flight().currentFrame();
        ASSERT_GE(frame, 5);
        const POINT& o = offsets[frame - 5];
        const POINT now = {r.left + o.x, r.top + o.y};
        if (frames.empty())
            foot = now;
        EXPECT_EQ(now.x, foot.x) << frames.size();
        EXPECT_EQ(now.y, foot.y) << frames.size();
        if (frames.empty() || frames.back() != frame)
            frames.push_back(frame);
        tick();
    }
    EXPECT_EQ(frames, (Ints{5, 6, 7, 8, 9}));
    ASSERT_EQ(game.resultCount(), 1u);
    EXPECT_STREQ(game.result(0).c_str(), "0");
    EXPECT_EQ(caber().flight().flightState(), FlightSprite::atRest);
}

TEST_F(CaberGameTest, RingsScoreInOrderThreeNumberedResultsThenAPauseAndAFreshSeriesWithoutInstructions) {
    // Inside each ring as the target shows it: white left of the middle, blue, and red.
    landAt(30, 81);
    EXPECT_EQ(fleeba().state(), Fleeba::ready);
    landAt(80, 67);
    landAt(143, 61);
    ASSERT_EQ(game.scoreCard()->lineCount(), 3u);
    EXPECT_STREQ(game.scoreCard()->line(0).c_str(), "10");
    EXPECT_STREQ(game.scoreCard()->line(1).c_str(), "25");
    EXPECT_STREQ(game.scoreCard()->line(2).c_str(), "50");
    EXPECT_EQ(fleeba().state(), Fleeba::seriesOver);
    ASSERT_TRUE(game.pauseTimer().running());

    game.pauseTimer().tick();
    EXPECT_FALSE(game.pauseTimer().running());
    EXPECT_EQ(instructionsShown, 1);
    EXPECT_EQ(game.resultCount(), 0u);
    ASSERT_NE(game.scoreCard(), nullptr);
    EXPECT_EQ(game.scoreCard()->lineCount(), 0u);
    EXPECT_EQ(fleeba().state(), Fleeba::ready);

    // On the outline two rings share, the outer one counts.
    for (const int inner : {116, 117}) {
        const tamba::gui::Region outer(inner - 1), ring(inner);
        RECT box;
        ASSERT_NE(GetRgnBox(ring.handle(), &box), NULLREGION);
        const int y = (box.top + box.bottom) / 2;
        int x = box.left;
        while (x < box.right && !PtInRegion(outer.handle(), x, y))
            ++x;
        ASSERT_TRUE(PtInRegion(ring.handle(), x, y)) << inner;
        landAt(x, y);
    }
    landAt(290, 60); // right of the target
    EXPECT_STREQ(game.scoreCard()->line(0).c_str(), "10");
    EXPECT_STREQ(game.scoreCard()->line(1).c_str(), "25");
    EXPECT_STREQ(game.scoreCard()->line(2).c_str(), "0");

    game.pauseTimer().tick();
    landAt(-5, 60);
    landAt(143, 170); // below it
    landAt(2, 2);     // inside its box, outside the outer ring
    EXPECT_STREQ(game.scoreCard()->line(0).c_str(), "0");
    EXPECT_STREQ(game.scoreCard()->line(1).c_str(), "0");
    EXPECT_STREQ(game.scoreCard()->line(2).c_str(), "0");
}

TEST_F(CaberGameTest, ChoosingTheGameAgainRestartsWithInstructionsAndStopHidesEverything) {
    landAt(30, 10);
    key(WM_KEYDOWN);
    tick(2);
    game.start(); // chosen again mid-run
    EXPECT_EQ(instructionsShown, 2);
    EXPECT_EQ(game.resultCount(), 0u);
    EXPECT_EQ(game.scoreCard()->lineCount(), 0u);
    EXPECT_EQ(fleeba().state(), Fleeba::ready);
    // It stands still, however long, and the next press starts a run of its own.
    const int start = rectOf(fleeba()).left;
    const int ticksToTheLine = (start - fleeba().runner().stopX()) / 4 + 2;
    tick(ticksToTheLine);
    EXPECT_EQ(rectOf(fleeba()).left, start);
    key(WM_KEYDOWN);
    tick();
    EXPECT_EQ(fleeba().state(), Fleeba::running);
    EXPECT_EQ(rectOf(fleeba()).left, start - 4);

    caber().launch(3);
    game.stop(); // mid-run again
    EXPECT_EQ(game.scoreCard(), nullptr);
    EXPECT_EQ(caber().flying(), 0);
    EXPECT_FALSE(IsWindowVisible(caber().handle()));
    EXPECT_FALSE(IsWindowVisible(fleeba().handle()));
    EXPECT_FALSE(IsWindowVisible(game.line().handle()));
    EXPECT_FALSE(IsWindowVisible(game.target().handle()));
    EXPECT_FALSE(game.pauseTimer().running());
    game.start();
    tick(ticksToTheLine);
    EXPECT_EQ(rectOf(fleeba()).left, start) << "a game stopped mid-run starts standing";
    EXPECT_EQ(game.resultCount(), 0u);
}

// Thrown on a monitor left of the primary (negative coordinates), the caber flies and lands as far from the
// thrower as on the primary.
TEST(CaberGame, AThrowLandsAsFarOnAMonitorLeftOfThePrimaryAsOnIt) {
    tamba::app::Application& application = *tamba::app::Application::current();
    const RECT primary = application.playMonitor();
    auto landing = [&](const RECT& monitor) {
        application.setPlayMonitor(monitor);
        Timer timer(100, false);
        CaberGame game(timer, nullptr);
        game.setShowInstructions([] {});
        game.start();
        const RECT thrower = rectOf(game.fleeba());
        game.caber().launch(20);
        for (int i = 0; i < 500 && game.caber().flight().flightState() != FlightSprite::landing; ++i)
            timer.tick();
        return POINT{game.caber().flight().landX() - thrower.left,
                     game.caber().flight().landY() - thrower.top};
    };
    const POINT onTheLeft = landing(RECT{-1024, 0, 0, 768});
    const POINT onThePrimary = landing(primary);
    application.setPlayMonitor(primary);
    EXPECT_EQ(onTheLeft.x, onThePrimary.x);
    EXPECT_EQ(onTheLeft.y, onThePrimary.y);
    EXPECT_LT(onThePrimary.x, -200) << "a throw of that power flies well clear of the thrower";
}
