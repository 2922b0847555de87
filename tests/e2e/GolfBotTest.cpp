// A small bot plays golf on the real program with the mouse and the keyboard, as a person would: it drags
// the golfer up to the ball, clicks it, turns it with Left and Right, winds up with Up held down and lets
// go, until the ball drops into the cup, for all nine holes; the card then shows the strokes of each.
#include "games/golf/GolfBallWindow.h"
#include "games/golf/GolfFleebaWindow.h"
#include "support/CardReader.h"
#include "support/DebuggedProcess.h"
#include "support/GameLauncher.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tamba::games::GolfBallWindow;
using tamba::games::GolfFleebaWindow;
using tamba::test::CardReader;
using tamba::test::DebuggedProcess;
using tamba::test::GameLauncher;
using tamba::test::outlineData;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;

namespace {

constexpr int ballSize = 16;
const RECT cupInHole = {0, 33, 29, 65};

struct Shot {
    int direction = 0;
    int power = 0;
    bool sinks = false;
    double miss = 1e9; // how far from the cup's middle the ball comes to rest
};

// Where a shot would take the ball, worked out the way the ball moves (without the screen's edges), so
// that the bot can choose one. A ball that would enter the space above and left of the card's corner stops
// dead, as the game has it: beside the card, a shot towards it goes nowhere. A bot that aims roughly still
// gets there in a few more strokes.
Shot plan(const RECT& ball, const RECT& cup, const RECT& card, int direction, int power) {
    Shot shot;
    shot.direction = direction;
    shot.power = power;
    const POINT v = GolfBallWindow::directions[direction];
    int x = ball.left, y = ball.top;
    int speed = (power + 1 < 6 ? power + 1 : 6) * 20;
    for (int step = 0; step < 200; ++step) {
        if (x + v.x * speed / 100 < card.right && y + v.y * speed / 100 < card.bottom)
            break;
        x += v.x * speed / 100;
        y += v.y * speed / 100;
        const bool stopped = speed <= 0;
        if (!stopped)
            speed = static_cast<int>(speed / static_cast<double>(1.1f));
        if (speed < 40) {
            const RECT at = {x, y, x + ballSize, y + ballSize};
            RECT overlap;
            if (IntersectRect(&overlap, &at, &cup)) {
                shot.sinks = true;
                shot.miss = 0;
                return shot;
            }
        }
        if (stopped)
            break;
    }
    shot.miss = std::hypot(x + ballSize / 2.0 - (cup.left + cup.right) / 2.0,
                           y + ballSize / 2.0 - (cup.top + cup.bottom) / 2.0);
    return shot;
}

Shot bestShot(const RECT& ball, const RECT& cup, const RECT& card) {
    Shot best;
    for (int direction = 0; direction < GolfBallWindow::directionCount; ++direction)
        for (int power = 0; power <= 5; ++power) {
            const Shot shot = plan(ball, cup, card, direction, power);
            if ((shot.sinks && !best.sinks) || (shot.sinks == best.sinks && shot.miss < best.miss))
                best = shot;
        }
    return best;
}

// Drags the golfer by exactly (dx, dy): the first move after the press only takes hold.
void dragBy(HWND golfer, int dx, int dy) {
    POINT grip;
    if (!pointInOutline(golfer, grip))
        return;
    RealInput::moveTo(grip.x, grip.y);
    RealInput::press();
    RealInput::settle(80);
    RealInput::moveTo(grip.x + 1, grip.y);
    RealInput::settle(80);
    RealInput::moveTo(grip.x + 1 + dx, grip.y + dy);
    RealInput::settle(150);
    RealInput::release();
    RealInput::settle(150);
}

bool sameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

// The bot's side of the game. The golfer's aim shows only in its picture: the bot learns the standing
// outline of every aim once, and from then on reads the aim off the screen, so that a key that went
// elsewhere or came while the golfer was busy cannot leave it aiming one way while the bot thinks another.
struct Golfer {
    HWND golfer;
    HWND ball;
    HWND hole;
    RECT card;
    std::vector<std::vector<char>> stands; // the standing outline of each aim

    // Turns the golfer once round from aim 0, where a new golfer stands, noting each aim's outline.
    bool learnAims() {
        dragBy(golfer, 0, 0); // the click gives the golfer the keyboard
        stands.assign(1, outlineData(golfer));
        while (stands.size() < static_cast<size_t>(GolfFleebaWindow::aimCount)) {
            if (!turnRight(stands.back()))
                return false;
            stands.push_back(outlineData(golfer));
        }
        return turnRight(stands.back()) && aimShown() == 0;
    }

    // The aim the golfer's picture shows, once it stands; -1 if it shows none within a few seconds.
    int aimShown() const {
        int shown = -1;
        pumpUntil(
            [&] {
                const auto at = std::find(stands.begin(), stands.end(), outlineData(golfer));
                shown = at == stands.end() ? -1 : static_cast<int>(at - stands.begin());
                return shown >= 0;
            },
            3000);
        return shown;
    }

    // One press of Right that the picture shows; pressed again, after a click, if it did not arrive.
    bool turnRight(const std::vector<char>& from) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            RealInput::key(VK_RIGHT);
            if (pumpUntil([&] { return outlineData(golfer) != from; }, 1500))
                return true;
            dragBy(golfer, 0, 0);
        }
        return false;
    }

    bool turnTo(int wanted) {
        for (int steps = 0; steps < 2 * GolfFleebaWindow::aimCount; ++steps) {
            const int now = aimShown();
            if (now == wanted)
                return true;
            if (now < 0 || !turnRight(stands[now]))
                return false;
        }
        return false;
    }

    // Strokes until the ball dropped in (the hole moves on, or after the last hole the ball goes), or 0.
    int playHole() {
        const RECT holeAt = rectOf(hole);
        RECT cup = cupInHole;
        OffsetRect(&cup, holeAt.left, holeAt.top);
        for (int strokes = 1; strokes <= 12; ++strokes) {
            stroke(bestShot(rectOf(ball), cup, card));
            if (!sameRect(rectOf(hole), holeAt) || !IsWindowVisible(ball))
                return strokes;
        }
        return 0;
    }

    void stroke(const Shot& shot) {
        const RECT ballAt = rectOf(ball);
        const int wanted = (shot.direction + 4) % GolfFleebaWindow::aimCount;
        // A click gives the golfer the keyboard; turning keeps the window in its place.
        dragBy(golfer, 0, 0);
        EXPECT_TRUE(turnTo(wanted)) << "the golfer does not turn to aim " << wanted << "; it shows aim "
                                    << aimShown();
        // The club head of that aim onto the ball.
        const RECT head = GolfFleebaWindow::clubHeads[wanted];
        for (int attempt = 0; attempt < 4; ++attempt) {
            const RECT g = rectOf(golfer);
            const int dx = (ballAt.left + ballSize / 2) - (g.left + (head.left + head.right) / 2);
            const int dy = (ballAt.top + ballSize / 2) - (g.top + (head.top + head.bottom) / 2);
            if (std::abs(dx) <= 2 && std::abs(dy) <= 2)
                break;
            dragBy(golfer, dx, dy);
        }

        // Up held: every key-down turns the club one step; a full turn is one more power.
        RealInput::keyDown(VK_UP);
        for (int i = 0; i < 16 * shot.power; ++i)
            RealInput::keyDown(VK_UP);
        RealInput::keyUp(VK_UP);

        // The unwinding, the swing and the ball's run, until it lies still.
        const DWORD unwinding = 16 * shot.power * 100 + 4000;
        EXPECT_TRUE(
            pumpUntil([&] { return !sameRect(rectOf(ball), ballAt) || !IsWindowVisible(ball); }, unwinding))
            << "the stroke did not move the ball: ball at (" << ballAt.left << ", " << ballAt.top
            << "), golfer at (" << rectOf(golfer).left << ", " << rectOf(golfer).top << ") aiming " << wanted
            << " (shown: " << aimShown() << ")"
            << ", \"" << tamba::test::windowTitle(GetForegroundWindow()) << "\" has the keyboard";
        RECT last = rectOf(ball);
        DWORD stillSince = GetTickCount();
        while (GetTickCount() - stillSince < 1200) {
            RealInput::settle(100);
            const RECT now = rectOf(ball);
            if (!sameRect(now, last)) {
                last = now;
                stillSince = GetTickCount();
            }
        }
        RealInput::settle(2200); // follow-through and watching end before the next stroke
    }
};

} // namespace

TEST(GolfBot, PlaysNineHolesWithRealInput) {
    DebuggedProcess program("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.started());
    HWND character = GameLauncher::waitForCharacter();
    ASSERT_NE(character, nullptr);
    RECT instructions;
    ASSERT_TRUE(GameLauncher::play(character, 2, instructions)) << "Games > Golf Game";

    HWND golfer = FindWindowA("TambaGuiCustomWindow", "GolfFleebaWindow");
    HWND ball = FindWindowA("TambaGuiCustomWindow", "GolfBallWindow");
    HWND hole = FindWindowA("TambaGuiCustomWindow", "GolfHoleWindow");
    ASSERT_NE(golfer, nullptr);
    ASSERT_NE(ball, nullptr);
    ASSERT_NE(hole, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(golfer) && IsWindowVisible(ball); }, 5000));
    EXPECT_FALSE(IsWindowVisible(character));
    ASSERT_TRUE(pumpUntil([&] { return CardReader::cardOf(program.processId()) != nullptr; }, 5000))
        << "no score card";
    CardReader card(CardReader::golf);
    ASSERT_TRUE(card.takeEmptyCard(CardReader::cardOf(program.processId()))) << "the card never stood still";
    const RECT cardAt = rectOf(CardReader::cardOf(program.processId()));
    const DWORD began = GetTickCount();

    Golfer bot{golfer, ball, hole, cardAt, {}};
    ASSERT_TRUE(bot.learnAims()) << "the golfer does not turn once round with Right";
    int total = 0;
    std::vector<std::string> lines; // the card as the bot played it: one line of strokes a hole
    for (int n = 1; n <= 9; ++n) {
        const RECT holeAt = rectOf(hole);
        const int strokes = bot.playHole();
        ASSERT_GT(strokes, 0) << "hole " << n << ": the ball never dropped in";
        total += strokes;
        if (n == 9) {
            // After the last hole the golfer stays where it played; move it off the card to read it.
            RECT over;
            const RECT g = rectOf(golfer);
            if (IntersectRect(&over, &g, &cardAt))
                dragBy(golfer, 500 - g.left, 400 - g.top);
        }
        lines.push_back(std::to_string(strokes));
        EXPECT_TRUE(card.waitUntilReads(lines, n - 1, 5000))
            << "line " << n << " does not read " << strokes << " shots (" << card.differences(lines, n - 1)
            << " pixels differ)";
        std::vector<std::string> wrong = lines;
        wrong.back() = std::to_string(strokes + 1);
        EXPECT_FALSE(card.reads(wrong, n - 1)) << "line " << n << " also reads " << strokes + 1 << " shots";
        if (n < 9) {
            // The course is placed anew, clear of the card.
            const RECT next = rectOf(hole);
            EXPECT_FALSE(sameRect(next, holeAt));
            EXPECT_TRUE(next.left >= cardAt.right || next.top >= cardAt.bottom);
        }
    }
    std::printf("The bot played nine holes in %d strokes in %.1f s\n", total,
                (GetTickCount() - began) / 1000.0);
    // After the ninth the ball is put away, and the card still shows every hole's strokes, and no more.
    EXPECT_FALSE(IsWindowVisible(ball));
    for (unsigned line = 0; line <= 9; ++line)
        EXPECT_TRUE(card.reads(lines, line))
            << "line " << line + 1 << ": " << card.differences(lines, line) << " pixels differ";

    PostMessageA(FindWindowA("TambaGuiCustomWindow", "Fleeba"), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(10000), 0u);
}
