// A small bot plays a whole fishing game on the real program with real keys, reading the fish windows'
// places from the screen: it dives, swims down to the fish, and swipes when one of the right heading
// is where the net sweeps.
#include "games/WebAddress.h"
#include "support/CardReader.h"
#include "support/DebuggedProcess.h"
#include "support/GameLauncher.h"
#include "support/LinkRecorder.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tamba::test::CardReader;
using tamba::test::DebuggedProcess;
using tamba::test::GameLauncher;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::visibleWindowsOf;
using tamba::test::windowTitle;

namespace {

// The program reads its clock a moment before it shows what it did.
constexpr DWORD clockSlack = 50;

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

// When the bot saw each fish arrive in the stack: after the start of the last look that did not show it,
// and by the end of the first look that did.
struct CatchWatch {
    // Looking starts at the click that starts the game.
    CatchWatch(DWORD processId, int waterTop, DWORD from)
        : processId(processId), waterTop(waterTop), lastLook(from) {}

    DWORD processId;
    int waterTop;
    int count = 0;
    DWORD lastLook;
    std::vector<std::pair<DWORD, DWORD>> arrivals;

    int look() {
        const DWORD began = GetTickCount();
        const int seen = stackedFish(processId, waterTop);
        const DWORD ended = GetTickCount();
        for (; count < seen; ++count)
            arrivals.push_back({lastLook, ended});
        lastLook = began;
        return count;
    }

    // Keeps looking while time passes.
    void watch(DWORD milliseconds) {
        const DWORD from = GetTickCount();
        do {
            look();
            RealInput::settle(20);
        } while (GetTickCount() - from < milliseconds);
    }
};

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
    DWORD clicked = 0;
    ASSERT_TRUE(GameLauncher::play(character, 1, dialog, &clicked)) << "Games > Fishing Game";
    EXPECT_EQ(dialog.right - dialog.left, 363);

    HWND diver = FindWindowA("TambaGuiCustomWindow", "FishingFleebaWindow");
    ASSERT_NE(diver, nullptr);
    // The game's clock starts after the click and before it hands the diver the keyboard.
    GUITHREADINFO input = {};
    input.cbSize = sizeof input;
    const DWORD diverThread = GetWindowThreadProcessId(diver, nullptr);
    ASSERT_TRUE(
        pumpUntil([&] { return GetGUIThreadInfo(diverThread, &input) && input.hwndFocus == diver; }, 5000))
        << "the diver never got the keyboard";
    const DWORD startedBy = GetTickCount();
    EXPECT_TRUE(IsWindowVisible(diver));
    EXPECT_FALSE(IsWindowVisible(character));
    ASSERT_TRUE(pumpUntil([&] { return CardReader::cardOf(program.processId()) != nullptr; }, 5000))
        << "no score card";
    CardReader card(CardReader::fishing);
    ASSERT_TRUE(card.takeEmptyCard(CardReader::cardOf(program.processId()))) << "the card never stood still";
    const int surface = rectOf(diver).top;
    const int waterTop = surface + 188 + 20;

    const RECT leftBox = {5, 100, 82, 176}, rightBox = {38, 68, 109, 138};
    const DWORD began = GetTickCount();
    CatchWatch catches(program.processId(), waterTop, clicked);
    int caught = 0;
    while (caught < 10 && GetTickCount() - began < 330000) {
        const RECT d = rectOf(diver);
        const int before = caught;
        caught = catches.look();
        if (caught > before || d.top <= surface) {
            // At home (or just back with a fish): dive again.
            RealInput::key(VK_DOWN);
            catches.watch(100);
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
            catches.watch(600); // the swipe plays, and a netted fish is carried up
            continue;
        }
        // Push deeper while the net is above the target's row; let go to drift back up. A press a tick only
        // holds the depth: far above the row, several key-downs at once, as a held key's repeats give.
        if (targetRow >= 0 && d.top < targetRow)
            RealInput::keyBurst(VK_DOWN, d.top < targetRow - 24 ? 3 : 1);
        // No more looking here than at the loop's top: to stay deep the diver needs a press a tick.
        RealInput::settle(50);
    }
    const DWORD spent = GetTickCount() - began;
    std::printf("The bot caught %d fish in %.1f s\n", caught, spent / 1000.0);
    if (caught < 10) {
        // Where everything was when the bot gave up.
        const RECT d = rectOf(diver);
        std::printf("The diver at (%ld, %ld)\n", d.left, d.top);
        for (int i = 0; i < 6; ++i) {
            HWND fish = FindWindowA("TambaGuiCustomWindow", ("FishWindow" + std::to_string(i)).c_str());
            for (; fish != nullptr; fish = FindWindowExA(nullptr, fish, "TambaGuiCustomWindow",
                                                         ("FishWindow" + std::to_string(i)).c_str())) {
                const RECT r = rectOf(fish);
                std::printf("FishWindow%d at (%ld, %ld), %s\n", i, r.left, r.top,
                            IsWindowVisible(fish) ? "shown" : "hidden");
            }
        }
    }
    EXPECT_EQ(caught, 10);

    // The card holds ten numbered lines, each the running total of whole seconds from the start to each
    // catch, as the bot timed them, and nothing below them. Where a catch came close to a whole second the
    // bot cannot tell which side of it the game read its clock, and either may stand.
    ASSERT_NE(CardReader::cardOf(program.processId()), nullptr) << "the score card went";
    std::vector<std::string> lines;
    int total = 0;
    for (int line = 0; line < caught; ++line) {
        const DWORD earliest = catches.arrivals[line].first - clockSlack - startedBy;
        const DWORD latest = catches.arrivals[line].second - clicked;
        ASSERT_LT(latest - earliest, 1000u) << "catch " << line + 1 << " was not timed to a second";
        lines.push_back("");
        bool read = false;
        for (int seconds = std::max(0, static_cast<int>(earliest) / 1000);
             !read && seconds <= static_cast<int>(latest / 1000); ++seconds) {
            lines.back() = std::to_string(total + seconds);
            read = card.waitUntilReads(lines, line, 1000);
        }
        ASSERT_TRUE(read) << "line " << line + 1 << " holds no total the bot's times give ("
                          << card.differences(lines, line) << " pixels differ from " << lines.back()
                          << " secs)";
        total = std::stoi(lines.back());
        std::printf("Catch %d between %.2f and %.2f s: line %d reads %d secs\n", line + 1,
                    static_cast<int>(earliest) / 1000.0, latest / 1000.0, line + 1, total);
        std::vector<std::string> wrong = lines;
        wrong.back() = std::to_string(total + 1);
        EXPECT_FALSE(card.reads(wrong, line)) << "line " << line + 1 << " also reads " << wrong.back();
    }
    EXPECT_TRUE(card.reads(lines, caught)) << "something below the last line";

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
