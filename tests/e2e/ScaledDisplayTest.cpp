// The real program on a scaled display (run by scripts/scaled.sh at a DPI on a large screen), driven with
// real input: every window at the screen's scale, the Options controls inside their picture and apart, and
// a round of caber played to its card, whose lines the screen shows apart.
#include "gui/Scale.h"
#include "support/CardReader.h"
#include "support/GameLauncher.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <vector>

using tamba::gui::Scale;
using tamba::test::CardReader;
using tamba::test::GameLauncher;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::RunningToy;

namespace {

int screenPercent() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return Scale::forDpi(dpi);
}

int scaled(int length, int percent) {
    return Scale::toScreen(length, percent);
}

RECT outlineBox(HWND window) {
    RECT box = {};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window, region);
    GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

// The 100 % outline's box of a picture in the program file.
RECT programOutlineBox(int number) {
    RECT box = {};
    HMODULE program = LoadLibraryExA(tamba::test::programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr)
        return box;
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(number), "REGION");
    if (found != nullptr) {
        const auto* data = static_cast<const RGNDATA*>(LockResource(LoadResource(program, found)));
        HRGN region = ExtCreateRegion(nullptr, SizeofResource(program, found), data);
        GetRgnBox(region, &box);
        DeleteObject(region);
    }
    FreeLibrary(program);
    return box;
}

} // namespace

TEST(ScaledDisplay, TheCharacterAndTheOptionsAreDrawnAtTheScreensScale) {
    const int percent = screenPercent();
    SCOPED_TRACE(percent);
    RunningToy toy;
    ASSERT_NO_FATAL_FAILURE(toy.start());
    const RECT character = rectOf(toy.character);
    EXPECT_NEAR(character.right - character.left, scaled(83, percent), 1);
    EXPECT_NEAR(character.bottom - character.top, scaled(120, percent), 1);
    // The outline drawn for the scale, not the 100 % one stretched or left small.
    const RECT drawn = outlineBox(toy.character);
    const RECT base = programOutlineBox(200);
    EXPECT_NEAR(drawn.right - drawn.left, scaled(base.right - base.left, percent), 2);
    EXPECT_NEAR(drawn.bottom - drawn.top, scaled(base.bottom - base.top, percent), 2);

    POINT on;
    ASSERT_TRUE(tamba::test::pointInOutline(toy.character, on));
    RealInput::rightClick(on.x, on.y);
    ASSERT_TRUE(pumpUntil([] { return tamba::test::visibleMenu() != nullptr; }, 3000));
    RealInput::key('O');
    HWND options = nullptr;
    ASSERT_TRUE(pumpUntil(
        [&] {
            options = FindWindowA("#32770", nullptr);
            return options != nullptr && IsWindowVisible(options);
        },
        5000));
    RECT client;
    GetClientRect(options, &client);
    EXPECT_EQ(client.right, scaled(362, percent));
    EXPECT_EQ(client.bottom, scaled(316, percent));
    std::vector<RECT> controls;
    for (HWND c = GetWindow(options, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c))
            continue;
        RECT r = rectOf(c);
        MapWindowPoints(nullptr, options, reinterpret_cast<POINT*>(&r), 2);
        RECT inside;
        IntersectRect(&inside, &r, &client);
        EXPECT_TRUE(EqualRect(&inside, &r)) << "a control reaches past the picture";
        for (const RECT& other : controls) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &r, &other)) << "two controls overlap";
        }
        controls.push_back(r);
    }
    EXPECT_EQ(controls.size(), 7u) << "three boxes, the size's label and list, OK and Cancel";
    RealInput::key(VK_ESCAPE);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(options) || !IsWindowVisible(options); }, 3000));
    toy.quit();
}

TEST(ScaledDisplay, ARoundOfCaberIsPlayedToItsCardAtTheLargestScaleThatFits) {
    const int screen = screenPercent();
    const RECT monitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int percent = Scale::fitting(screen, SIZE{1024, 600}, monitor);
    SCOPED_TRACE(percent);
    RunningToy toy;
    ASSERT_NO_FATAL_FAILURE(toy.start());
    RECT instructions;
    ASSERT_TRUE(GameLauncher::play(toy.character, 3, instructions)) << "Games > Caber Game";
    EXPECT_EQ(instructions.right - instructions.left, scaled(362, percent));

    HWND thrower = FindWindowA("TambaGuiCustomWindow", "CaberFleebaWindow");
    HWND caber = FindWindowA("TambaGuiCustomWindow", "CaberWindow");
    ASSERT_NE(thrower, nullptr);
    ASSERT_NE(caber, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(thrower) != FALSE; }, 5000));
    HWND card = nullptr;
    ASSERT_TRUE(
        pumpUntil([&] { return (card = CardReader::cardOf(toy.process->processId())) != nullptr; }, 5000));
    ASSERT_TRUE(pumpUntil([&] { return FindWindowA("#32770", nullptr) == card; }, 5000));
    const RECT start = rectOf(thrower);
    EXPECT_EQ(start.right - start.left, scaled(189, percent));
    EXPECT_EQ(rectOf(card).right - rectOf(card).left, scaled(362, percent));

    // The card's table below its heading.
    const RECT table = {26, 118, 330, 200};
    ASSERT_EQ(CardReader::textLines(card, table, percent), 0);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(pumpUntil(
            [&] {
                const RECT now = rectOf(thrower);
                return EqualRect(&now, &start) != FALSE && !IsWindowVisible(caber);
            },
            15000))
            << "the thrower is not back at the start, or the caber not taken away";
        RealInput::keyBurst(VK_LEFT, 12);
        ASSERT_TRUE(pumpUntil([&] { return CardReader::textLines(card, table, percent) == n; }, 15000))
            << "the card does not show throw " << n << " on a line of its own";
    }
    toy.quit();
}
