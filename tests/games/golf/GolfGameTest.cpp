#include "games/golf/GolfGame.h"
#include "app/Application.h"
#include "games/ScoreCard.h"
#include "gui/Timer.h"
#include "support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using tamba::games::GolfBallWindow;
using tamba::games::GolfGame;
using Golfer = tamba::games::GolfFleebaWindow;
using Ints = std::vector<int>;
using tamba::gui::Timer;

namespace {

POINT topLeft(const tamba::gui::Window& window) {
    RECT rect;
    window.windowRect(rect);
    return POINT{rect.left, rect.top};
}

// A started game without the instructions dialog; only the ticks made by hand happen. The hole waits in
// the bottom-right corner, away from every path a test sends the ball on.
class GolfGameTest : public testing::Test {
protected:
    GolfGameTest() : timer(100, false), game(timer, nullptr) {
        game.setShowInstructions([this] { ++instructionsShown; });
        game.start();
        game.hole().moveTo(screen.right - 80, screen.bottom - 80);
    }

    Golfer& golfer() { return game.golfer(); }
    GolfBallWindow& ball() { return game.ball(); }
    void key(UINT message, WPARAM key, int times = 1) {
        for (int i = 0; i < times; ++i)
            SendMessageA(golfer().handle(), message, key, 0);
    }
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            timer.tick();
    }
    // The ball's top-left corner on the current aim's club head, shifted left by some pixels.
    void ballAtClub(int shiftLeft = 0) {
        const POINT at = topLeft(golfer());
        const RECT& club = Golfer::clubHeads[golfer().aim()];
        ball().moveTo(at.x + club.left - shiftLeft, at.y + club.top);
    }
    // One press of Up and its release; returns once the ball is struck.
    void stroke() {
        ballAtClub();
        key(WM_KEYDOWN, VK_UP);
        key(WM_KEYUP, VK_UP);
        for (int i = 0; i < 20 && golfer().state() != Golfer::followingThrough; ++i)
            tick();
    }
    void settle() {
        for (int i = 0; i < 100 && (ball().flying() || golfer().state() != Golfer::idle); ++i)
            tick();
    }

    const RECT screen = tamba::app::Application::current()->desktopRect();
    int instructionsShown = 0;
    Timer timer;
    GolfGame game;
};

// Which pixels of a frame its outline holds.
class Shape {
public:
    Shape(tamba::gui::FrameSet& frames, int index) {
        SIZE size = {0, 0};
        frames.frameSize(index, size);
        width = size.cx;
        height = size.cy;
        in.assign(static_cast<size_t>(width * height), false);
        const RGNDATA* data = frames.outline(index);
        const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD i = 0; i < data->rdh.nCount; ++i)
            for (LONG y = rects[i].top; y < rects[i].bottom; ++y)
                for (LONG x = rects[i].left; x < rects[i].right; ++x)
                    in[static_cast<size_t>(y * width + x)] = true;
    }
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && in[static_cast<size_t>(y * width + x)];
    }
    // Whether this shape, moved to (dx, dy), covers a pixel of the other, or comes within reach of one.
    bool meets(POINT d, const Shape& other, int reach) const {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (at(x, y))
                    for (int oy = -reach; oy <= reach; ++oy)
                        for (int ox = -reach; ox <= reach; ++ox)
                            if (other.at(d.x + x + ox, d.y + y + oy))
                                return true;
        return false;
    }

    int width = 0;
    int height = 0;
    std::vector<bool> in;
};

// A frame's colours as the program loads them, top row first.
std::vector<COLORREF> colours(int bitmapId, int width, int height) {
    tamba::test::PixelCanvas canvas(width, height, RGB(0, 0, 0));
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    HDC source = CreateCompatibleDC(canvas.dc());
    HGDIOBJ kept = SelectObject(source, bitmap);
    BitBlt(canvas.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, kept);
    DeleteDC(source);
    DeleteObject(bitmap);
    std::vector<COLORREF> rgb;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rgb.push_back(canvas.at(x, y));
    return rgb;
}

} // namespace

TEST_F(GolfGameTest, ABallTouchingTheClubHeadAsDrawnCanBeStruckAtEveryAim) {
    const Shape ballShape(ball().sprite().frameSet(), 0);
    for (int aim = 0; aim < 16; ++aim, key(WM_KEYDOWN, VK_RIGHT)) {
        SCOPED_TRACE(aim);
        ASSERT_EQ(golfer().aim(), aim);
        tamba::gui::FrameSet& frames = golfer().aimSprite(aim).frameSet();
        const Shape body(frames, 0);
        const std::vector<COLORREF> rgb = colours(frames.firstBitmapId(), body.width, body.height);
        // The club is steel grey; only its head is thick enough to have steel all round a pixel.
        auto steel = [&](int x, int y) {
            if (!body.at(x, y))
                return false;
            const COLORREF c = rgb[static_cast<size_t>(y * body.width + x)];
            return std::abs(GetRValue(c) - 0xAE) <= 10 && std::abs(GetGValue(c) - 0xBA) <= 10 &&
                   std::abs(GetBValue(c) - 0xC6) <= 10;
        };
        Shape head = body; // the head's steel with its outline
        std::fill(head.in.begin(), head.in.end(), false);
        double cx = 0, cy = 0;
        int core = 0;
        for (int y = 0; y < body.height; ++y)
            for (int x = 0; x < body.width; ++x)
                if (steel(x, y) && steel(x - 1, y) && steel(x + 1, y) && steel(x, y - 1) && steel(x, y + 1)) {
                    cx += x;
                    cy += y;
                    ++core;
                    for (int hy = y - 3; hy <= y + 3; ++hy)
                        for (int hx = x - 3; hx <= x + 3; ++hx)
                            if (body.at(hx, hy))
                                head.in[static_cast<size_t>(hy * body.width + hx)] = true;
                }
        ASSERT_GT(core, 4) << "a club head in the picture";
        cx /= core;
        cy /= core;

        // From each of the sixteen directions the ball slides in towards the head until it would cover
        // the golfer; wherever it then touches the head, the club must reach it.
        const POINT golferAt = topLeft(golfer());
        int touching = 0;
        for (const POINT& d : GolfBallWindow::directions) {
            POINT at = {0, 0};
            bool placed = false;
            for (int t = 80; t >= 0; --t) {
                const POINT p = {std::lround(cx + d.x * t / 100.0) - ballShape.width / 2,
                                 std::lround(cy + d.y * t / 100.0) - ballShape.height / 2};
                if (ballShape.meets(p, body, 0))
                    break;
                at = p;
                placed = true;
            }
            if (!placed || !ballShape.meets(at, head, 1))
                continue;
            ++touching;
            ball().moveTo(golferAt.x + at.x, golferAt.y + at.y);
            EXPECT_TRUE(golfer().clubTouchesBall()) << "ball at " << at.x << ", " << at.y;
        }
        EXPECT_GE(touching, 2);
    }
}

TEST_F(GolfGameTest, LeftAndRightTurnThroughSixteenAimsEachWithItsOwnPictures) {
    key(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(golfer().aim(), 15);
    EXPECT_EQ(golfer().sprite(), &golfer().aimSprite(15));
    key(WM_KEYDOWN, VK_RIGHT, 17);
    EXPECT_EQ(golfer().aim(), 0);
    EXPECT_EQ(golfer().sprite(), &golfer().aimSprite(0));
    EXPECT_EQ(golfer().aimSprite(0).frameSet().firstBitmapId(), 961);
    EXPECT_EQ(golfer().aimSprite(1).frameSet().firstBitmapId(), 811);
    EXPECT_EQ(golfer().aimSprite(15).frameSet().firstBitmapId(), 951);
}

TEST_F(GolfGameTest, UpWindsOnlyWithTheClubOnTheBallAndEachFullTurnAddsOneToThePower) {
    ballAtClub(16); // the ball's right edge on the club head's left edge: no overlap
    key(WM_KEYDOWN, VK_UP, 3);
    key(WM_KEYUP, VK_UP);
    tick(3);
    EXPECT_EQ(golfer().state(), Golfer::idle);
    EXPECT_EQ(golfer().club(), 0);

    const int presses[] = {1, 15, 16, 33};
    const int power[] = {0, 0, 1, 2};
    for (int i = 0; i < 4; ++i) {
        game.start();
        ballAtClub(15);
        key(WM_KEYDOWN, VK_UP, presses[i]);
        EXPECT_EQ(golfer().state(), Golfer::windingUp);
        EXPECT_EQ(golfer().club(), presses[i] % 16) << "the first press already turns the club";
        EXPECT_EQ(golfer().power(), power[i]) << presses[i];
        EXPECT_EQ(golfer().unwindCount(), power[i]) << presses[i];
    }
}

TEST_F(GolfGameTest, ReleaseUnwindsOneStepPerTickThenSwingsStrikesAndWatches) {
    ballAtClub();
    key(WM_KEYDOWN, VK_UP, 16);
    key(WM_KEYUP, VK_UP);
    Ints clubs;
    for (; golfer().state() == Golfer::unwinding && clubs.size() < 40; clubs.push_back(golfer().club()))
        tick();
    EXPECT_EQ(clubs, (Ints{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
    ASSERT_EQ(golfer().state(), Golfer::swinging);
    tick(5);
    EXPECT_FALSE(ball().flying());
    tick();
    EXPECT_TRUE(ball().flying());
    EXPECT_EQ(ball().speed(), 40);
    EXPECT_EQ(golfer().shots(), 1);
    tick(6);
    EXPECT_EQ(golfer().state(), Golfer::watching);
    tick(15);
    EXPECT_EQ(golfer().state(), Golfer::idle);
}

TEST_F(GolfGameTest, TheBallFliesFourDirectionsBackFromTheAim) {
    const int aims[] = {0, 3, 4};
    const int directions[] = {12, 15, 0};
    for (int i = 0; i < 3; ++i) {
        while (golfer().aim() != aims[i])
            key(WM_KEYDOWN, VK_RIGHT);
        stroke();
        EXPECT_EQ(ball().direction(), directions[i]) << aims[i];
        settle();
    }
}

TEST_F(GolfGameTest, LaunchSpeedFollowsThePowerAndSlowsByOnePointOneATick) {
    RECT card;
    game.scoreCard()->windowRect(card);
    Ints speeds;
    for (int power = 0; power <= 6; ++power) {
        ball().moveTo(card.right, 100);
        ball().launch(7, power);
        ball().launch(3, 9); // ignored while flying
        speeds.push_back(ball().speed());
        tick();
        EXPECT_FALSE(ball().flying()) << "next to the card: stopped dead";
        EXPECT_EQ(topLeft(ball()).x, card.right);
    }
    EXPECT_EQ(speeds, (Ints{20, 40, 60, 80, 100, 120, 120}));

    ball().moveTo(100, 600);
    ball().launch(15, 0);
    Ints moves;
    for (int x = 100; ball().flying() && moves.size() < 40; x = topLeft(ball()).x) {
        tick();
        moves.push_back(topLeft(ball()).x - x);
    }
    EXPECT_EQ(moves, (Ints{20, 18, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    ball().launch(15, 5);
    for (speeds.clear(); ball().flying() && speeds.size() < 60; tick())
        speeds.push_back(ball().speed());
    EXPECT_EQ(speeds, (Ints{120, 109, 99, 89, 80, 72, 65, 59, 53, 48, 43, 39, 35, 31, 28, 25,
                            22,  19,  17, 15, 13, 11, 9,  8,  7,  6,  5,  4,  3,  2,  1,  0}));
    EXPECT_EQ(GolfBallWindow::slowedDown(110), 99);
}

TEST_F(GolfGameTest, TheBallWrapsRoundTenPixelsInsideTheScreen) {
    const RECT& s = screen;
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
        game.hole().moveTo(100 + cupAt, 500 - tamba::games::GolfHoleWindow::cup.top);
        ball().launch(15, 2);
        tick(3);
        EXPECT_EQ(game.resultCount(), 0u) << cupAt;
        tick();
        settle();
        EXPECT_EQ(game.resultCount(), cupAt == 207 ? 1u : 0u) << cupAt;
    }
}

TEST_F(GolfGameTest, NineHolesAreScoredInShotsAndThenNoKeyActsUntilANewGame) {
    key(WM_KEYDOWN, VK_RIGHT, 3); // shoots straight right
    stroke();
    settle();
    for (unsigned hole = 0; hole < GolfGame::holeCount; ++hole) {
        ballAtClub();
        const POINT at = topLeft(ball());
        game.hole().moveTo(at.x + 60, at.y - 33);
        stroke();
        for (int i = 0; i < 20 && game.resultCount() == hole; ++i)
            tick();
        ASSERT_EQ(game.resultCount(), hole + 1);
        EXPECT_STREQ(game.scoreCard()->line(hole).c_str(), hole == 0 ? "2" : "1");
        EXPECT_EQ(golfer().state(), Golfer::idle) << "reset during the follow-through";
        EXPECT_TRUE(hole + 1 == GolfGame::holeCount || topLeft(game.hole()).x != at.x + 60) << "placed anew";
    }
    EXPECT_FALSE(IsWindowVisible(ball().handle()));
    key(WM_KEYDOWN, VK_LEFT);
    ballAtClub();
    key(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(golfer().aim(), 3);
    EXPECT_EQ(golfer().state(), Golfer::idle);

    game.start();
    EXPECT_EQ(instructionsShown, 2);
    EXPECT_EQ(game.scoreCard()->lineCount(), 0u);
    EXPECT_TRUE(IsWindowVisible(ball().handle()));
    key(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(golfer().aim(), 2);
}

TEST_F(GolfGameTest, TheCourseIsNeverPlacedAboveAndLeftOfTheCardsCorner) {
    for (int round = 0; round < 50; ++round) {
        game.start();
        EXPECT_EQ(topLeft(golfer()).x, (screen.right - 110) / 2);
        EXPECT_EQ(topLeft(golfer()).y, (screen.bottom - 110) / 2);
        RECT card;
        game.scoreCard()->windowRect(card);
        const tamba::gui::Window* windows[] = {&game.hole(), &ball()};
        const SIZE sizes[] = {{53, 65}, {16, 16}};
        for (int i = 0; i < 2; ++i) {
            const POINT at = topLeft(*windows[i]);
            EXPECT_TRUE(at.x >= card.right || at.y >= card.bottom) << at.x << "," << at.y;
            EXPECT_TRUE(at.x >= 110 && at.x < screen.right - 110 - sizes[i].cx) << at.x;
            EXPECT_TRUE(at.y >= 110 && at.y < screen.bottom - 110 - sizes[i].cy) << at.y;
        }
    }
}

TEST_F(GolfGameTest, StopHidesEverythingAndAGameStoppedMidSwingOrMidFlightStartsAfresh) {
    key(WM_KEYDOWN, VK_RIGHT);
    ballAtClub();
    key(WM_KEYDOWN, VK_UP, 5);
    game.stop();
    EXPECT_EQ(game.scoreCard(), nullptr);
    for (HWND window : {golfer().handle(), ball().handle(), game.hole().handle()})
        EXPECT_FALSE(IsWindowVisible(window));

    game.start();
    EXPECT_EQ(golfer().state(), Golfer::idle);
    EXPECT_EQ(golfer().club(), 1);
    EXPECT_EQ(golfer().sprite(), &golfer().aimSprite(1));
    EXPECT_TRUE(IsWindowVisible(golfer().handle()));

    // A slow ball stopped in flight: a new game starts with it at rest, so it cannot drop into the new
    // course's cup before a stroke is played.
    ball().launch(15, 0);
    tick();
    ASSERT_TRUE(ball().flying());
    game.stop();
    game.start();
    EXPECT_FALSE(ball().flying());
    const POINT at = topLeft(ball());
    game.hole().moveTo(at.x, at.y - tamba::games::GolfHoleWindow::cup.top);
    tick(3);
    EXPECT_EQ(game.resultCount(), 0u) << "no hole in 0 shots";
    EXPECT_EQ(topLeft(ball()).x, at.x);
}

TEST_F(GolfGameTest, AClosedCardStopsNoBallAndStillTakesTheResults) {
    RECT card;
    game.scoreCard()->windowRect(card);
    game.scoreCard()->close(true);
    ball().moveTo(card.right, 100);
    ball().launch(7, 0);
    tick();
    EXPECT_EQ(topLeft(ball()).x, card.right - 20);
    settle();
    game.ballHoled();
    EXPECT_EQ(game.scoreCard()->lineCount(), 1u);
}
