// A bot plays the caber toss on the real program with real keys, as a person would: it holds Left for a
// throw of the power it wants (sending the key's auto-repeats itself) and lets go, or holds on past the
// line for a foul. It aims at the centre, the middle ring, the outer ring and beside the target, judges
// each landing by where the caber came down on the target's picture, and reads every card line exactly.
#include "games/caber/FlightSprite.h"
#include "support/CardReader.h"
#include "support/DebuggedProcess.h"
#include "support/GameLauncher.h"
#include "support/PixelCanvas.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

using tamba::games::FlightSprite;
using tamba::test::CardReader;
using tamba::test::DebuggedProcess;
using tamba::test::GameLauncher;
using tamba::test::outlineData;
using tamba::test::PixelCanvas;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;

namespace {

// What a person makes of a point of the target's picture: the ring its colour shows, or none.
enum class Ring { centre, middle, outer, outside, unclear };

const char* scoreOf(Ring ring) {
    switch (ring) {
    case Ring::centre:
        return "50";
    case Ring::middle:
        return "25";
    case Ring::outer:
        return "10";
    default:
        return "0";
    }
}

// Red centre, blue middle ring, white outer ring; the dark outlines between them are neither.
Ring ringOfColour(COLORREF c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (r > 150 && r > g + 50 && r > b + 50)
        return Ring::centre;
    if (b > 150 && b > r + 60)
        return Ring::middle;
    if (r > 180 && g > 180 && b > 180)
        return Ring::outer;
    return Ring::unclear;
}

// The target as the screen shows it before a throw: which ring each of its points shows.
struct TargetView {
    RECT rect = {};
    int width = 0;
    std::vector<Ring> rings; // row by row over the window; Ring::outside beyond its outline

    Ring at(POINT p) const {
        if (!PtInRect(&rect, p))
            return Ring::outside;
        return rings[(p.y - rect.top) * width + (p.x - rect.left)];
    }

    // How far from p the picture shows something other than ring (0 if p itself does), up to limit.
    int clearance(POINT p, Ring ring, int limit) const {
        for (int d = 0; d < limit; ++d)
            for (int dy = -d; dy <= d; ++dy)
                for (int dx = -d; dx <= d; ++dx)
                    if ((std::abs(dx) == d || std::abs(dy) == d) && at({p.x + dx, p.y + dy}) != ring)
                        return d;
        return limit;
    }
};

TargetView lookAt(HWND target) {
    TargetView view;
    view.rect = rectOf(target);
    view.width = view.rect.right - view.rect.left;
    const int height = view.rect.bottom - view.rect.top;
    PixelCanvas shown(view.width, height, RGB(0, 0, 0));
    PixelCanvas::copyScreen(view.rect.left, view.rect.top, shown);
    const std::vector<COLORREF> pixels = shown.pixels();
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(target, outline) != ERROR;
    view.rings.resize(pixels.size(), Ring::outside);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < view.width; ++x)
            if (!shaped || PtInRegion(outline, x, y))
                view.rings[y * view.width + x] = ringOfColour(pixels[y * view.width + x]);
    DeleteObject(outline);
    return view;
}

// Where a throw of this many presses from the thrower's place comes down, by the flight rules: the caber
// starts beside the thrower, flies an integer arc turning over on its pivots, lands on the line of the
// thrower's feet and is drawn standing in its dust, whose middle is 96 pixels from its picture's left.
POINT plannedDust(const RECT& thrower, int presses) {
    const int n = std::min(presses, 40) + 1;
    const int vx = static_cast<int>(n * 50 * static_cast<double>(0.38f) + 0.5);
    int vy = static_cast<int>(n * 50 * static_cast<double>(0.92f) + 0.5);
    const int vy0 = vy;
    const int ground = thrower.bottom;
    int left = thrower.left - 78, top = thrower.top - 22;
    int frame = 0;
    for (;;) {
        int x = left - vx / 50, y = top - vy / 50;
        if (!(x > 0 && y + 195 <= ground))
            return {left - 30 + 96, top + 190};
        vy -= 100;
        int next = frame;
        if (std::abs(vy) <= 200 && frame != 2)
            next = 2;
        else if (vy >= 200 && vy < vy0 / 2 && frame != 1)
            next = 1;
        else if (vy < -200 && vy > -(vy0 / 2) && frame != 3)
            next = 3;
        else if (vy < -(vy0 / 2) && frame != 4)
            next = 4;
        if (next != frame) {
            x -= FlightSprite::pivots[next].x - FlightSprite::pivots[frame].x;
            y -= FlightSprite::pivots[next].y - FlightSprite::pivots[frame].y;
            frame = next;
        }
        left = x;
        top = y;
    }
}

// The presses whose landing lies deepest inside the wanted ring, even if the thrower takes a step or two
// before the key-up arrives. -1 if none lies clearly inside.
int pressesFor(Ring wanted, const TargetView& target, const RECT& thrower) {
    int best = -1, bestClearance = 0;
    for (int presses = 0; presses <= 40; ++presses) {
        int clearance = 20;
        for (int steps = 0; steps <= 2; ++steps) {
            RECT from = thrower;
            OffsetRect(&from, -4 * steps, 0);
            clearance = std::min(clearance, target.clearance(plannedDust(from, presses), wanted, 20));
        }
        if (clearance > bestClearance) {
            best = presses;
            bestClearance = clearance;
        }
    }
    return bestClearance >= 5 ? best : -1;
}

// The caber's landing picture stands it upright in a cloud of dust: the bottom row of its outline splits
// into separate puffs. Gives the screen point in the middle of that row.
bool dustOf(HWND caber, POINT& dust) {
    const RECT at = rectOf(caber);
    const std::vector<char> data = outlineData(caber);
    if (data.size() < sizeof(RGNDATAHEADER))
        return false;
    const auto* region = reinterpret_cast<const RGNDATA*>(data.data());
    const auto* rects = reinterpret_cast<const RECT*>(region->Buffer);
    LONG bottom = 0;
    for (DWORD i = 0; i < region->rdh.nCount; ++i)
        bottom = std::max(bottom, rects[i].bottom);
    int puffs = 0;
    LONG left = LONG_MAX, right = LONG_MIN;
    for (DWORD i = 0; i < region->rdh.nCount; ++i)
        if (rects[i].bottom == bottom && rects[i].top < bottom) {
            ++puffs;
            left = std::min(left, rects[i].left);
            right = std::max(right, rects[i].right);
        }
    if (puffs < 2)
        return false;
    dust = {at.left + (left + right) / 2, at.top + bottom - 1};
    return true;
}

struct Throw {
    bool launched = false;
    bool landed = false;
    POINT dust = {};
};

// Watches the caber from the throw until it is taken away; the place it stood in its dust longest is
// where it came down (a glimpse while its window moves and changes shape does not count).
Throw watchThrow(HWND caber) {
    Throw seen;
    seen.launched = pumpUntil([&] { return IsWindowVisible(caber) != FALSE; }, 5000);
    if (!seen.launched)
        return seen;
    std::map<std::pair<LONG, LONG>, int> sightings;
    pumpUntil(
        [&] {
            POINT dust;
            if (dustOf(caber, dust))
                ++sightings[{dust.x, dust.y}];
            return IsWindowVisible(caber) == FALSE;
        },
        20000);
    int most = 0;
    for (const auto& [point, count] : sightings)
        if (count > most) {
            most = count;
            seen.dust = {point.first, point.second};
        }
    seen.landed = most > 0;
    return seen;
}

// The same text with one character changed, which the card reader must tell apart.
std::string nearMiss(const std::string& text) {
    std::string other = text;
    char& last = other.back();
    last = (last >= '0' && last <= '9') ? static_cast<char>('0' + (last - '0' + 1) % 10) : 'x';
    return other;
}

} // namespace

TEST(CaberBot, ScoresEveryRingBesideTheTargetAndAFoulAndReadsTheCard) {
    DebuggedProcess program("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.started());
    HWND character = GameLauncher::waitForCharacter();
    ASSERT_NE(character, nullptr);
    RECT instructions;
    ASSERT_TRUE(GameLauncher::play(character, 3, instructions)) << "Games > Caber Game";
    const DWORD began = GetTickCount();

    HWND thrower = FindWindowA("TambaGuiCustomWindow", "CaberFleebaWindow");
    HWND caber = FindWindowA("TambaGuiCustomWindow", "CaberWindow");
    HWND target = FindWindowA("TambaGuiCustomWindow", "CaberTargetWindow");
    ASSERT_NE(thrower, nullptr);
    ASSERT_NE(caber, nullptr);
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(thrower) && IsWindowVisible(target); }, 5000));
    ASSERT_TRUE(pumpUntil([&] { return CardReader::cardOf(program.processId()) != nullptr; }, 5000))
        << "no score card";
    // The instructions picture is gone once the card is the program's only dialog.
    ASSERT_TRUE(pumpUntil(
        [&] { return FindWindowA("#32770", nullptr) == CardReader::cardOf(program.processId()); }, 5000));
    CardReader card(CardReader::caber);
    ASSERT_TRUE(card.takeEmptyCard(CardReader::cardOf(program.processId()))) << "the card never stood still";
    const RECT start = rectOf(thrower);
    auto atStart = [&] {
        const RECT now = rectOf(thrower);
        return EqualRect(&now, &start) != FALSE;
    };

    // The bot aims at these in turn; a throw that misses is tried again in a later series.
    std::vector<std::string> wanted = {"50", "25", "10", "0", "No Throw"};
    bool pauseSeen = false;
    DWORD lastRead = 0;
    int throws = 0;
    for (int series = 1; series <= 5 && !(wanted.empty() && pauseSeen); ++series) {
        const TargetView view = lookAt(target);
        std::vector<std::string> lines;
        for (int n = 0; n < 3 && !(wanted.empty() && pauseSeen); ++n) {
            ASSERT_TRUE(pumpUntil([&] { return atStart() && !IsWindowVisible(caber); }, 5000))
                << "series " << series << ", throw " << n + 1 << ": the thrower is not back at the start";
            const std::string aim = wanted.empty() ? "0" : wanted.front();
            ++throws;
            std::vector<std::string> accepted; // what the card may say of what the bot saw
            if (aim == "No Throw") {
                // Left held past the line: the thrower runs up and is put back without throwing.
                RealInput::keyDown(VK_LEFT);
                LONG furthest = start.left;
                bool back = false;
                const bool ran = pumpUntil(
                    [&] {
                        RealInput::keyDown(VK_LEFT); // the key's auto-repeat
                        furthest = std::min(furthest, rectOf(thrower).left);
                        back = furthest < start.left - 100 && atStart();
                        return back;
                    },
                    10000);
                const bool thrown = IsWindowVisible(caber) != FALSE;
                RealInput::keyUp(VK_LEFT);
                ASSERT_TRUE(ran) << "the thrower never ran to the line and back (got to x " << furthest
                                 << ")";
                ASSERT_FALSE(thrown) << "a caber flew although Left was held past the line";
                std::printf("Throw %d (series %d): Left held past the line, the thrower was put back\n",
                            throws, series);
                accepted = {"No Throw"};
            } else {
                const Ring ring = aim == "50"   ? Ring::centre
                                  : aim == "25" ? Ring::middle
                                  : aim == "10" ? Ring::outer
                                                : Ring::outside;
                const int presses = pressesFor(ring, view, start);
                ASSERT_GE(presses, 0) << "no throw lands clearly on " << aim;
                RealInput::keyBurst(VK_LEFT, presses + 1);
                const Throw seen = watchThrow(caber);
                ASSERT_TRUE(seen.launched) << "no caber flew for " << presses << " presses";
                ASSERT_TRUE(seen.landed) << "the caber was never seen standing where it came down";
                const Ring landed = view.at(seen.dust);
                if (landed == Ring::unclear) {
                    // On a ring's edge: either side of it may count.
                    std::set<std::string> nearby;
                    for (int dy = -3; dy <= 3; ++dy)
                        for (int dx = -3; dx <= 3; ++dx) {
                            const Ring r = view.at({seen.dust.x + dx, seen.dust.y + dy});
                            if (r != Ring::unclear)
                                nearby.insert(scoreOf(r));
                        }
                    accepted.assign(nearby.begin(), nearby.end());
                    ASSERT_FALSE(accepted.empty()) << "the caber came down where no ring can be made out";
                } else {
                    accepted = {scoreOf(landed)};
                }
                std::printf("Throw %d (series %d): %d presses for %s, came down at (%ld, %ld) on %s\n",
                            throws, series, presses, aim.c_str(), seen.dust.x, seen.dust.y,
                            landed == Ring::unclear ? "an edge" : scoreOf(landed));
            }

            // The card's line says what the bot saw, and nothing near it.
            lines.push_back(accepted.front());
            const bool read = pumpUntil(
                [&] {
                    for (const std::string& text : accepted) {
                        lines.back() = text;
                        if (card.reads(lines, n))
                            return true;
                    }
                    return false;
                },
                5000);
            lastRead = GetTickCount();
            if (!read) {
                std::string instead = "none of the results";
                for (const char* other : {"50", "25", "10", "0", "No Throw"}) {
                    lines.back() = other;
                    if (card.reads(lines, n))
                        instead = other;
                }
                lines.back() = accepted.front();
                FAIL() << "line " << n + 1 << " does not read " << accepted.front() << " ("
                       << card.differences(lines, n) << " pixels differ); it reads " << instead;
            }
            std::vector<std::string> wrong = lines;
            wrong.back() = nearMiss(lines.back());
            EXPECT_FALSE(card.reads(wrong, n)) << "line " << n + 1 << " also reads " << wrong.back();
            if (accepted.size() == 1)
                wanted.erase(std::remove(wanted.begin(), wanted.end(), lines.back()), wanted.end());
        }

        if (lines.size() == 3) {
            // After the pause a fresh series begins with an empty card.
            ASSERT_TRUE(card.waitUntilEmpty(3, 10000)) << "no fresh card after series " << series;
            const DWORD pause = GetTickCount() - lastRead;
            EXPECT_GE(pause, 2500u) << "the card was cleared before the pause was over";
            std::printf("Series %d over; the fresh card came %.1f s after the third throw\n", series,
                        pause / 1000.0);
            pauseSeen = true;
        }
    }
    const DWORD spent = GetTickCount() - began;
    std::printf("The bot threw %d times in %.1f s\n", throws, spent / 1000.0);
    EXPECT_TRUE(wanted.empty()) << "never scored " << ::testing::PrintToString(wanted);
    EXPECT_TRUE(pauseSeen);

    PostMessageA(FindWindowA("TambaGuiCustomWindow", "Fleeba"), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(10000), 0u);
}
