#include "games/ScoreCard.h"
#include "app/Application.h"
#include "games/WebAddress.h"
#include "support/GdiCensus.h"
#include "support/LinkRecorder.h"
#include "support/PixelCanvas.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"
#include "tamba_util/Exception.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

using tamba::games::ScoreCard;
using tamba::test::PixelCanvas;
using tamba::test::pumpMessages;
using tamba::util::UrlParts;

namespace {

constexpr int cardPicture = 910; // TestPictures.rc: 362 by 316, red down to y 158 where lines go
constexpr COLORREF background = RGB(255, 0, 0);

// The fishing game's card: numbered, "secs", lines 13 pixels apart; the golf game's: not numbered.
std::unique_ptr<ScoreCard> fishingCard() {
    return std::make_unique<ScoreCard>(cardPicture, POINT{39, 122}, POINT{89, 122}, 13, true, "secs",
                                       UrlParts(tamba::games::webAddress));
}
std::unique_ptr<ScoreCard> golfCard() {
    return std::make_unique<ScoreCard>(cardPicture, POINT{42, 118}, POINT{90, 118}, 15, false, "shots",
                                       UrlParts(tamba::games::webAddress));
}

// What the card shows inside a rectangle, the background blanked out.
struct Ink {
    std::vector<COLORREF> pixels;
    int count = 0;
    int left = INT_MAX;
    int top = INT_MAX;
    bool hasNavy = false;
};

Ink inkIn(const PixelCanvas& shown, RECT area) {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = shown.at(x, y);
            const bool marked = pixel != background;
            ink.pixels.push_back(marked ? pixel : CLR_INVALID);
            if (marked) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.hasNavy = ink.hasNavy || pixel == ScoreCard::textColour;
            }
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
    return tamba::test::filesMatching(tempDirectory() + "tmp*.url");
}

// Deletes the shortcuts that appeared since the first list was taken; returns how many there were.
size_t removeNewShortcuts(const std::set<std::string>& before) {
    size_t count = 0;
    for (const std::string& name : shortcuts())
        if (before.count(name) == 0 && DeleteFileA((tempDirectory() + name).c_str()))
            ++count;
    return count;
}

} // namespace

TEST(WebAddress, IsAPublicSitesHomePage) {
    const UrlParts link(tamba::games::webAddress);
    EXPECT_STREQ(link.hostName().c_str(), "www.gutenberg.org");
    EXPECT_STREQ(link.urlPath().c_str(), "/");
    EXPECT_EQ(link.port(), 443);
}

TEST(ScoreCard, OpensTopMostInTheTopLeftCornerWithItsCursor) {
    auto card = fishingCard();
    card->showModeless();
    ASSERT_NE(card->handle(), nullptr);
    RECT rect;
    card->windowRect(rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 362) << "the picture's size";
    EXPECT_EQ(rect.bottom, 316);
    EXPECT_TRUE(IsWindowVisible(card->handle()));
    EXPECT_TRUE(GetWindowLongA(card->handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    HCURSOR own = LoadCursorA(tamba::app::Application::current()->instanceHandle(), MAKEINTRESOURCEA(100));
    ASSERT_NE(own, nullptr) << "the test's cursor 100";
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(card->handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(card->handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), own);

    try {
        ScoreCard missing(4242, POINT{0, 0}, POINT{0, 0}, 13, true, "secs", UrlParts("https://example.org/"));
        ADD_FAILURE() << "no exception";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not load bitmap id 4242\n");
    }
}

TEST(ScoreCard, SetEntryFillsTheGapWithEmptyLines) {
    auto card = fishingCard();
    card->setEntry(2, "9");
    card->showModeless();
    EXPECT_EQ(card->lineCount(), 0u) << "a card opens empty";

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
    ASSERT_GT(one.count, 0) << "\"1\" at the number column";
    ASSERT_GT(two.count, 0) << "\"2\" one step lower";
    EXPECT_EQ(inkIn(shown, RECT{35, 148, 85, 158}).count, 0) << "two lines, two numbers";
    EXPECT_NE(one.pixels, two.pixels) << "different digits";
    EXPECT_GE(one.left, 39);
    EXPECT_LE(one.left, 42);
    EXPECT_GE(one.top, 122);
    EXPECT_TRUE(one.hasNavy);

    // Equal lines look the same, exactly 13 pixels apart.
    const Ink first = inkIn(shown, RECT{86, 122, 200, 135});
    ASSERT_GT(first.count, 0) << "\"7 secs\" at the text column";
    EXPECT_EQ(first.pixels, inkIn(shown, RECT{86, 135, 200, 148}).pixels);
    EXPECT_GE(first.left, 89);
}

TEST(ScoreCard, UnnumberedCardWritesOnlyTheLinesEvenEmptyOnes) {
    auto card = golfCard();
    card->showModeless();
    card->setEntry(1, "");
    PixelCanvas shown(362, 316, RGB(1, 2, 3));
    PixelCanvas::copyClient(card->handle(), shown);
    EXPECT_EQ(inkIn(shown, RECT{30, 110, 86, 150}).count, 0);
    const Ink first = inkIn(shown, RECT{88, 118, 200, 133});
    EXPECT_GT(first.count, 0) << "\" shots\"";
    EXPECT_EQ(first.pixels, inkIn(shown, RECT{88, 133, 200, 148}).pixels);
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

TEST(ScoreCard, ClickOnTheCloseBoxClosesItAndElsewhereOpensTheLink) {
    tamba::test::LinkRecorder recorder;
    if (!recorder.usable())
        GTEST_SKIP() << recorder.whyNot();
    const std::set<std::string> before = shortcuts();
    auto card = fishingCard();
    card->showModeless();
    HWND box = card->handle();

    click(*card, 100, 100);
    ASSERT_TRUE(recorder.waitForAddresses(1, 20000)) << "the browser was never asked";
    EXPECT_EQ(recorder.addresses(), std::vector<std::string>{tamba::games::webAddress});
    EXPECT_EQ(shortcuts().size(), before.size() + 1) << "one new shortcut";
    EXPECT_TRUE(IsWindowVisible(box)) << "the card stays";

    click(*card, 341, 15);
    ASSERT_TRUE(recorder.waitForAddresses(2, 20000)) << "just beside the close box is elsewhere";
    EXPECT_EQ(shortcuts().size(), before.size() + 2) << "each click its own shortcut";
    ASSERT_TRUE(IsWindow(box));

    // A real click, as a person's, on the close box.
    tamba::test::RealInput::click(345, 15);
    EXPECT_TRUE(tamba::test::pumpUntil([&] { return !IsWindow(box); }, 3000));
    EXPECT_EQ(card->handle(), nullptr);
    EXPECT_TRUE(card->result());
    pumpMessages(300);
    EXPECT_EQ(recorder.addresses().size(), 2u) << "the close box opens nothing";
    EXPECT_EQ(removeNewShortcuts(before), 2u);
}
