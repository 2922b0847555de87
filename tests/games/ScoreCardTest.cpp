#include "games/ScoreCard.h"
#include "app/Application.h"
#include "games/WebAddress.h"
#include "support/GdiCensus.h"
#include "support/LinkRecorder.h"
#include "support/PixelCanvas.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"
#include "tamba_util/Exception.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

using tamba::games::ScoreCard;
using tamba::test::PixelCanvas;
using tamba::test::pumpMessages;
using tamba::util::String;
using tamba::util::UrlParts;

namespace {

constexpr int cardPicture = 910; // TestPictures.rc: 362 by 316, red where the lines are written
constexpr COLORREF background = RGB(255, 0, 0);

// The fishing game's card: numbered, "secs", lines 13 pixels apart.
std::unique_ptr<ScoreCard> fishingCard() {
    return std::make_unique<ScoreCard>(cardPicture, POINT{39, 122}, POINT{89, 122}, 13, true, "secs",
                                       UrlParts(tamba::games::webAddress));
}

// The golf game's card: not numbered.
std::unique_ptr<ScoreCard> golfCard() {
    return std::make_unique<ScoreCard>(cardPicture, POINT{42, 118}, POINT{90, 118}, 15, false, "shots",
                                       UrlParts(tamba::games::webAddress));
}

// The part of a painted card inside a rectangle, as rows of pixels with the background blanked out.
struct Ink {
    std::vector<std::vector<COLORREF>> rows;
    int count = 0;
    int left = INT_MAX;
    int top = INT_MAX;
    bool hasNavy = false;

    bool operator==(const Ink& other) const { return rows == other.rows; }
};

Ink inkIn(const PixelCanvas& canvas, RECT area) {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y) {
        std::vector<COLORREF> row;
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = canvas.at(x, y);
            const bool marked = pixel != background;
            row.push_back(marked ? pixel : 0xFFFFFFFF);
            if (marked) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.hasNavy = ink.hasNavy || pixel == ScoreCard::textColour;
            }
        }
        ink.rows.push_back(row);
    }
    return ink;
}

void click(ScoreCard& card, int x, int y) {
    PostMessageA(card.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(card.handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pumpMessages(50);
}

std::string tempDirectory() {
    char directory[MAX_PATH] = {};
    GetTempPathA(sizeof directory, directory);
    return directory;
}

// The link's shortcut files in the temporary directory.
std::set<std::string> shortcuts() {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((tempDirectory() + "tmp*.url").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Deletes the shortcuts that appeared since the first list was taken; returns how many there were.
size_t removeNewShortcuts(const std::set<std::string>& before) {
    size_t count = 0;
    for (const std::string& name : shortcuts())
        if (before.count(name) == 0) {
            DeleteFileA((tempDirectory() + name).c_str());
            ++count;
        }
    return count;
}

} // namespace

TEST(WebAddress, IsAPublicSitesHomePage) {
    const UrlParts link(tamba::games::webAddress);
    EXPECT_STREQ(link.hostName().c_str(), "www.gutenberg.org");
    EXPECT_STREQ(link.urlPath().c_str(), "/");
    EXPECT_EQ(link.port(), 443);
}

TEST(ScoreCard, OpensTopMostInTheTopLeftCornerAtItsPicturesSize) {
    auto card = fishingCard();
    card->showModeless();
    ASSERT_NE(card->handle(), nullptr);
    pumpMessages(50);
    RECT rect;
    card->windowRect(rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 362);
    EXPECT_EQ(rect.bottom, 316);
    EXPECT_TRUE(IsWindowVisible(card->handle()));
    EXPECT_TRUE(GetWindowLongA(card->handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(ScoreCard, MissingPictureThrows) {
    try {
        ScoreCard card(4242, POINT{0, 0}, POINT{0, 0}, 13, true, "secs", UrlParts("https://example.org/"));
        FAIL() << "no exception";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not load bitmap id 4242\n");
    }
}

TEST(ScoreCard, SetEntryFillsTheGapWithEmptyLines) {
    auto card = fishingCard();
    card->showModeless();
    card->setEntry(3, "17");
    ASSERT_EQ(card->lineCount(), 4u);
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_STREQ(card->line(i).c_str(), "") << i;
    EXPECT_STREQ(card->line(3).c_str(), "17");

    card->setEntry(1, "5");
    EXPECT_EQ(card->lineCount(), 4u);
    EXPECT_STREQ(card->line(1).c_str(), "5");

    // Once the user has closed the card the lines still follow the game.
    card->close(true);
    card->setEntry(5, "40");
    EXPECT_EQ(card->lineCount(), 6u);
    EXPECT_EQ(card->handle(), nullptr);
}

TEST(ScoreCard, EntriesBeforeTheCardOpensAreDropped) {
    auto card = fishingCard();
    card->setEntry(2, "9");
    card->showModeless();
    EXPECT_EQ(card->lineCount(), 0u);
}

TEST(ScoreCard, NumbersAndLinesArePaintedInNavyOneStepApart) {
    auto card = fishingCard();
    card->showModeless();
    card->setEntry(0, "7");
    card->setEntry(1, "7");
    PixelCanvas shown(362, 316, RGB(1, 2, 3));
    PixelCanvas::copyClient(card->handle(), shown);
    EXPECT_EQ(shown.at(5, 5), background) << "the picture fills the card";
    EXPECT_EQ(shown.at(361, 315), RGB(255, 0, 255));

    const Ink one = inkIn(shown, RECT{35, 122, 85, 135});
    const Ink two = inkIn(shown, RECT{35, 135, 85, 148});
    // Down to where the red block ends at 158.
    const Ink three = inkIn(shown, RECT{35, 148, 85, 158});
    ASSERT_GT(one.count, 0) << "\"1\" at the number column";
    ASSERT_GT(two.count, 0) << "\"2\" one step lower";
    EXPECT_EQ(three.count, 0) << "two lines, two numbers";
    EXPECT_FALSE(one == two) << "different digits";
    EXPECT_GE(one.left, 39);
    EXPECT_LE(one.left, 42);
    EXPECT_GE(one.top, 122);
    EXPECT_TRUE(one.hasNavy);

    // Equal lines look the same, exactly 13 pixels apart.
    const Ink first = inkIn(shown, RECT{86, 122, 200, 135});
    const Ink second = inkIn(shown, RECT{86, 135, 200, 148});
    ASSERT_GT(first.count, 0) << "\"7 secs\" at the text column";
    EXPECT_TRUE(first == second);
    EXPECT_TRUE(first.hasNavy);
    EXPECT_GE(first.left, 89);
}

TEST(ScoreCard, UnnumberedCardWritesOnlyTheLines) {
    auto card = golfCard();
    card->showModeless();
    card->setEntry(0, "4");
    PixelCanvas shown(362, 316, RGB(1, 2, 3));
    PixelCanvas::copyClient(card->handle(), shown);
    EXPECT_EQ(inkIn(shown, RECT{30, 110, 86, 140}).count, 0);
    EXPECT_GT(inkIn(shown, RECT{88, 118, 200, 133}).count, 0);
}

TEST(ScoreCard, EmptyLineIsStillWrittenWithItsUnit) {
    auto card = fishingCard();
    card->showModeless();
    card->setEntry(1, "");
    PixelCanvas shown(362, 316, RGB(1, 2, 3));
    PixelCanvas::copyClient(card->handle(), shown);
    const Ink first = inkIn(shown, RECT{86, 122, 200, 135});
    const Ink second = inkIn(shown, RECT{86, 135, 200, 148});
    EXPECT_GT(first.count, 0) << "\" secs\"";
    EXPECT_TRUE(first == second);
}

TEST(ScoreCard, PaintingLeavesNoDrawingObjectsBehind) {
    auto card = fishingCard();
    card->showModeless();
    card->setEntry(2, "12");
    pumpMessages(50);
    const int before = tamba::test::liveGdiObjects();
    for (int i = 0; i < 200; ++i) {
        card->refreshClient();
        UpdateWindow(card->handle());
    }
    EXPECT_EQ(tamba::test::liveGdiObjects(), before);
}

TEST(ScoreCard, ShowsItsOwnCursor) {
    auto card = fishingCard();
    card->showModeless();
    HCURSOR expected =
        LoadCursorA(tamba::app::Application::current()->instanceHandle(), MAKEINTRESOURCEA(100));
    ASSERT_NE(expected, nullptr) << "the test's cursor 100";
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(card->handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(card->handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), expected);
}

TEST(ScoreCard, ClickOnTheCloseBoxClosesIt) {
    tamba::test::LinkRecorder recorder;
    if (!recorder.usable())
        GTEST_SKIP() << recorder.whyNot() << " (a click beside the close box opens the link)";
    const std::set<std::string> before = shortcuts();
    auto card = fishingCard();
    card->showModeless();
    HWND box = card->handle();
    click(*card, 341, 15);
    ASSERT_TRUE(IsWindow(box)) << "just outside the close box";
    EXPECT_TRUE(recorder.waitForAddresses(1, 20000)) << "which opens the link";
    click(*card, 345, 15);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(card->handle(), nullptr);
    EXPECT_TRUE(card->result());
    pumpMessages(200);
    EXPECT_EQ(recorder.addresses().size(), 1u) << "the close box opens nothing";
    EXPECT_EQ(removeNewShortcuts(before), 1u);
}

TEST(ScoreCard, RealClickOnTheCloseBoxClosesIt) {
    auto card = fishingCard();
    card->showModeless();
    HWND box = card->handle();
    pumpMessages(100);
    tamba::test::RealInput::click(345, 15);
    EXPECT_TRUE(tamba::test::pumpUntil([&] { return !IsWindow(box); }, 3000));
}

TEST(ScoreCard, ClickElsewhereOpensTheLinkAndLeavesTheCardOpen) {
    tamba::test::LinkRecorder recorder;
    if (!recorder.usable())
        GTEST_SKIP() << recorder.whyNot();
    auto card = fishingCard();
    card->showModeless();
    HWND box = card->handle();
    const std::set<std::string> before = shortcuts();

    click(*card, 100, 100);
    ASSERT_TRUE(recorder.waitForAddresses(1, 20000)) << "the browser was never asked";
    EXPECT_EQ(recorder.addresses(), std::vector<std::string>{tamba::games::webAddress});
    EXPECT_EQ(shortcuts().size(), before.size() + 1) << "one new shortcut";
    EXPECT_TRUE(IsWindow(box));
    EXPECT_TRUE(IsWindowVisible(box));

    // Each click its own shortcut.
    click(*card, 200, 300);
    ASSERT_TRUE(recorder.waitForAddresses(2, 20000));
    EXPECT_EQ(recorder.addresses().size(), 2u);
    EXPECT_EQ(shortcuts().size(), before.size() + 2);
    EXPECT_TRUE(IsWindow(box));
    EXPECT_EQ(removeNewShortcuts(before), 2u);
}
