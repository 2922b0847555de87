// A small bot plays a whole fishing game on the real program with real keys, reading the fish windows'
// places from the screen: it dives, swims down to the fish, and swipes when one of the right heading
// is where the net sweeps.
#include "games/ScoreCard.h"
#include "games/WebAddress.h"
#include "support/DebuggedProcess.h"
#include "support/GameLauncher.h"
#include "support/LinkRecorder.h"
#include "support/PixelCanvas.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tamba::test::DebuggedProcess;
using tamba::test::GameLauncher;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::visibleWindowsOf;
using tamba::test::windowTitle;

namespace {

struct Fish {
    RECT rect;
    bool headsRight;
};

// Fish still in the water (caught ones sit in the stack beside the island, high on the screen).
std::vector<Fish> swimmingFish(DWORD processId, int waterTop) {
    std::vector<Fish> fish;
    for (HWND window : visibleWindowsOf(processId)) {
        const std::string title = windowTitle(window);
        if (title.rfind("FishWindow", 0) != 0 || title.size() != 11)
            continue;
        const RECT rect = rectOf(window);
        if (rect.top >= waterTop)
            fish.push_back({rect, title[10] < '3'}); // pictures 0 to 2 face right
    }
    return fish;
}

int stackedFish(DWORD processId, int waterTop) {
    int count = 0;
    for (HWND window : visibleWindowsOf(processId)) {
        const std::string title = windowTitle(window);
        if (title.rfind("FishWindow", 0) == 0 && rectOf(window).top < waterTop)
            ++count;
    }
    return count;
}

// The score card: the program's visible dialog in the top-left corner of the screen.
HWND scoreCardOf(DWORD processId) {
    for (HWND window : visibleWindowsOf(processId)) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        const RECT rect = rectOf(window);
        if (std::string(name) == "#32770" && rect.left == 0 && rect.top == 0)
            return window;
    }
    return nullptr;
}

// How many pixels of the card's navy ink each of the first eleven lines shows on the screen, in the
// number column and in the time column.
struct CardInk {
    int numbers[11] = {};
    int times[11] = {};
};

CardInk cardInkOnScreen() {
    tamba::test::PixelCanvas shown(362, 316, RGB(1, 2, 3));
    HDC screen = GetDC(nullptr);
    BitBlt(shown.dc(), 0, 0, 362, 316, screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
    CardInk ink;
    for (int line = 0; line < 11; ++line)
        for (int y = 122 + 13 * line; y < 135 + 13 * line; ++y)
            for (int x = 30; x < 240; ++x)
                if (shown.at(x, y) == tamba::games::ScoreCard::textColour)
                    ++(x < 86 ? ink.numbers : ink.times)[line];
    return ink;
}

bool overlaps(const RECT& a, const RECT& b) {
    RECT out;
    return IntersectRect(&out, &a, &b) != FALSE;
}

} // namespace

TEST(FishingBot, PlaysAWholeGame) {
    // The finished island's link goes to this recorder, not to a browser.
    tamba::test::LinkRecorder recorder;
    ASSERT_TRUE(recorder.usable()) << recorder.whyNot();
    DebuggedProcess program("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.started());
    HWND character = GameLauncher::waitForCharacter();
    ASSERT_NE(character, nullptr);
    RECT dialog;
    ASSERT_TRUE(GameLauncher::play(character, 1, dialog)) << "Games > Fishing Game";
    EXPECT_EQ(dialog.right - dialog.left, 363);

    HWND diver = FindWindowA("TambaGuiCustomWindow", "FishingFleebaWindow");
    ASSERT_NE(diver, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(diver) != FALSE; }, 5000));
    EXPECT_FALSE(IsWindowVisible(character));
    // The empty card, as a baseline for the lines written later.
    ASSERT_TRUE(pumpUntil([&] { return scoreCardOf(program.processId()) != nullptr; }, 5000))
        << "no score card";
    RealInput::settle(300);
    const CardInk empty = cardInkOnScreen();
    const int surface = rectOf(diver).top;
    const int waterTop = surface + 188 + 20;

    const RECT leftBox = {5, 100, 82, 176}, rightBox = {38, 68, 109, 138};
    const DWORD began = GetTickCount();
    int caught = 0;
    while (caught < 10 && GetTickCount() - began < 330000) {
        const RECT d = rectOf(diver);
        const int before = caught;
        caught = stackedFish(program.processId(), waterTop);
        if (caught > before || d.top <= surface) {
            // At home (or just back with a fish): dive again.
            RealInput::key(VK_DOWN);
            RealInput::settle(100);
            continue;
        }
        RECT left = leftBox, right = rightBox;
        OffsetRect(&left, d.left, d.top);
        OffsetRect(&right, d.left, d.top);
        const auto fish = swimmingFish(program.processId(), waterTop);
        bool swiped = false;
        // The fish that will reach the net soonest sets the depth to swim at.
        int targetRow = -1;
        double soonest = 1e9;
        for (const Fish& f : fish) {
            const RECT& box = f.headsRight ? left : right;
            if (f.headsRight && overlaps(f.rect, left)) {
                RealInput::key(VK_LEFT);
                swiped = true;
                break;
            }
            if (!f.headsRight && overlaps(f.rect, right)) {
                RealInput::key(VK_RIGHT);
                swiped = true;
                break;
            }
            const int distance = f.headsRight ? box.left - f.rect.right : f.rect.left - box.right;
            const double arrival = distance >= 0 ? distance : distance + 1024.0; // it comes round again
            if (arrival < soonest) {
                soonest = arrival;
                targetRow = (f.rect.top + f.rect.bottom) / 2 - (box.top + box.bottom) / 2 + d.top;
            }
        }
        if (swiped) {
            RealInput::settle(600); // the swipe plays, and a netted fish is carried up
            continue;
        }
        // Push deeper while the net is above the target's row; let go to drift back up.
        if (targetRow >= 0 && d.top < targetRow)
            RealInput::key(VK_DOWN);
        RealInput::settle(50);
    }
    const DWORD spent = GetTickCount() - began;
    std::printf("The bot caught %d fish in %.1f s\n", caught, spent / 1000.0);
    EXPECT_EQ(caught, 10);

    // The card holds ten numbered lines, each with its time, and nothing below them.
    RealInput::settle(500);
    ASSERT_NE(scoreCardOf(program.processId()), nullptr) << "the score card went";
    const CardInk full = cardInkOnScreen();
    for (int line = 0; line < 10; ++line) {
        EXPECT_GT(full.numbers[line], empty.numbers[line]) << "no number on line " << line + 1;
        EXPECT_GT(full.times[line], empty.times[line]) << "no time on line " << line + 1;
    }
    EXPECT_EQ(full.numbers[10], empty.numbers[10]);
    EXPECT_EQ(full.times[10], empty.times[10]);

    // The finished island invites a click, which opens the web address.
    HWND island = FindWindowA("TambaGuiCustomWindow", "IslandWindow");
    ASSERT_NE(island, nullptr);
    POINT on;
    ASSERT_TRUE(pointInOutline(island, on));
    RealInput::click(on.x, on.y);
    ASSERT_TRUE(recorder.waitForAddresses(1, 20000)) << "the island opened no link";
    EXPECT_EQ(recorder.addresses(), std::vector<std::string>{tamba::games::webAddress});

    // Done: the toy ends like any program when its window is asked to close.
    PostMessageA(FindWindowA("TambaGuiCustomWindow", "Fleeba"), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(10000), 0u);
}
