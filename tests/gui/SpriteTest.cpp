#include "gui/CyclingSprite.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteHost.h"
#include "support/GdiCensus.h"
#include "tamba_util/Exception.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace tamba::gui;
using tamba::test::liveGdiObjects;

namespace {
// Frame set 500-504 paints red, green, blue, yellow, magenta (as COLORREFs).
const COLORREF frameColours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};

// A window as the sprite sees it, counting every call that would touch a real one.
class FakeHost : public SpriteHost {
public:
    RECT rect = {100, 50, 110, 60};
    int placements = 0;
    int moves = 0;
    int regionsOffered = 0;
    int forgotten = 0;
    bool acceptRegions = true;
    HRGN lastOffered = nullptr;
    std::vector<GdiHandle<HRGN>> regions; // taken over, as a window would

    void getWindowRect(RECT& r) override { r = rect; }
    void setWindowPos(int x, int y, int width, int height, bool) override {
        ++placements;
        rect = {x, y, x + width, y + height};
    }
    void moveWindowTo(int x, int y, bool) override {
        ++moves;
        OffsetRect(&rect, x - rect.left, y - rect.top);
    }
    void setWindowRegion(GdiHandle<HRGN>& region) override {
        ++regionsOffered;
        lastOffered = region.get();
        if (acceptRegions)
            regions.push_back(std::move(region));
    }
    void forgetSprite(Sprite&) override { ++forgotten; }

    int touches() const { return placements + moves + regionsOffered; }
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

// The colour a sprite paints at (x, y) when painted at (left, top) into a fresh 64 by 64 picture.
COLORREF paintedAt(Sprite& sprite, int left, int top, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, 64, 64);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, picture);
    PatBlt(dc, 0, 0, 64, 64, WHITENESS);
    sprite.paint(dc, left, top);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(picture);
    DeleteDC(dc);
    return colour;
}

COLORREF shown(Sprite& sprite) {
    return paintedAt(sprite, 0, 0, 1, 1);
}

const int order[] = {2, 1, 3};
const POINT offsets[] = {{10, 0}, {14, 0}, {14, 3}};

class SequenceSpriteTest : public testing::Test {
protected:
    SequenceSprite sprite{5, 500, 500};
    FakeHost host;
    FrameSequence once{1, order, 3, nullptr};
    FrameSequence forever{0, order, 3, nullptr};
};
} // namespace

TEST_F(SequenceSpriteTest, NewSequenceShowsItsFirstEntryOnTheFirstAdvance) {
    sprite.setSequence(&once);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), 2);
    EXPECT_EQ(shown(sprite), frameColours[2]);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), 1);
    EXPECT_EQ(shown(sprite), frameColours[1]);
}

TEST_F(SequenceSpriteTest, AttachedThenAdvancedShowsTheFirstEntryForTwoTicks) {
    sprite.setSequence(&once);
    sprite.attach(&host, true);
    EXPECT_EQ(sprite.currentFrame(), 2);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), 2);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), 1);
}

TEST_F(SequenceSpriteTest, SettingTheSequenceAgainRestartsTheCountButNotTheFirstStep) {
    sprite.setSequence(&forever);
    sprite.advance(true);
    sprite.advance(true);
    sprite.advance(true);
    sprite.setSequence(&forever);
    EXPECT_EQ(sprite.index(), 0);
    EXPECT_EQ(sprite.loops(), 0);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), order[1]);

    // Another sequence starts with its first entry again.
    sprite.setSequence(&once);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), order[0]);
}

TEST_F(SequenceSpriteTest, RepeatOnceFinishesOnTheLastEntryAndForeverNever) {
    sprite.setSequence(&once);
    sprite.attach(&host, true);
    std::vector<bool> finished;
    for (int i = 0; i < 5; ++i) {
        sprite.advance(true);
        finished.push_back(sprite.isFinished());
    }
    // The first advance shows the first entry again, so the third comes with the third advance.
    EXPECT_EQ(finished, (std::vector<bool>{false, false, true, true, true}));

    sprite.setSequence(&forever);
    for (int i = 0; i < 20; ++i) {
        sprite.advance(true);
        EXPECT_FALSE(sprite.isFinished()) << "advance " << i;
    }
    EXPECT_EQ(sprite.loops(), 6);
}

TEST_F(SequenceSpriteTest, WithoutASequenceItIsFinishedAndKeepsItsFrame) {
    sprite.attach(&host, true);
    sprite.selectFrame(3, true, nullptr);
    const int touches = host.touches();
    EXPECT_TRUE(sprite.isFinished());
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), 3);
    EXPECT_EQ(shown(sprite), frameColours[3]);
    EXPECT_EQ(host.touches(), touches);
    sprite.rewind(true);
    EXPECT_EQ(sprite.currentFrame(), 0);
}

TEST_F(SequenceSpriteTest, OffsetChangesMoveTheWindowAgainstThem) {
    FrameSequence moving{0, order, 3, offsets};
    sprite.setSequence(&moving);
    // The first placement never shifts.
    sprite.attach(&host, true);
    EXPECT_EQ(host.rect.left, 100);
    EXPECT_EQ(host.placements, 1);
    sprite.advance(true);
    EXPECT_EQ(host.rect.left, 100);
    sprite.advance(true); // (10, 0) to (14, 0)
    EXPECT_EQ(host.rect.left, 96);
    EXPECT_EQ(host.rect.top, 50);
    sprite.advance(true); // (14, 0) to (14, 3)
    EXPECT_EQ(host.rect.left, 96);
    EXPECT_EQ(host.rect.top, 47);
    sprite.advance(true); // back to (10, 0)
    EXPECT_EQ(host.rect.left, 100);
    EXPECT_EQ(host.rect.top, 50);
    EXPECT_EQ(host.width(), 32);
}

TEST_F(SequenceSpriteTest, ReselectingTheShownFrameLeavesTheWindowAlone) {
    sprite.attach(&host, true);
    sprite.selectFrame(1, true, &offsets[0]);
    const int touches = host.touches();
    sprite.selectFrame(1, true, &offsets[0]);
    sprite.selectFrame(1, false, &offsets[0]);
    EXPECT_EQ(host.touches(), touches);
    // A new offset for the same frame moves, but the outline stays.
    const int regions = host.regionsOffered;
    sprite.selectFrame(1, true, &offsets[1]);
    EXPECT_EQ(host.rect.left, 96);
    EXPECT_EQ(host.regionsOffered, regions);
}

TEST(Sprite, SizesTheWindowOnlyWhenPlacingIt) {
    // Frames 20 by 16, 24 by 12, 16 by 20.
    SequenceSprite sprite(3, 510, 510);
    const int frames[] = {0, 1, 2};
    const POINT points[] = {{0, 0}, {0, 0}, {2, 1}};
    FrameSequence sequence{0, frames, 3, points};
    sprite.setSequence(&sequence);
    FakeHost host;
    sprite.attach(&host, true);
    EXPECT_EQ(host.width(), 20);
    EXPECT_EQ(host.height(), 16);
    sprite.advance(true);
    sprite.advance(true);
    EXPECT_EQ(sprite.currentFrame(), 1);
    EXPECT_EQ(host.placements, 1);
    EXPECT_EQ(host.width(), 20);
    sprite.advance(true);
    EXPECT_EQ(host.placements, 2);
    EXPECT_EQ(host.rect.left, 98);
    EXPECT_EQ(host.rect.top, 49);
    EXPECT_EQ(host.width(), 16);
    EXPECT_EQ(host.height(), 20);
}

TEST(Sprite, AdjustPositionPlacesTheWindowWhereTheSpriteWants) {
    struct Drifting : CyclingSprite {
        Drifting() : CyclingSprite(5, 500, 500, 0) {}
        bool adjustPosition(RECT& rect) override {
            rect.left += 7;
            return true;
        }
    } sprite;
    FakeHost host;
    sprite.attach(&host, true);
    EXPECT_EQ(host.rect.left, 107);
    sprite.selectFrame(0, true, nullptr);
    EXPECT_EQ(host.rect.left, 114);
    EXPECT_EQ(host.placements, 2);
    EXPECT_EQ(host.regionsOffered, 1);
}

TEST(Sprite, RebuildsTheOutlineOnlyOnAFrameChangeOrTheFirstPlacement) {
    CyclingSprite sprite(5, 500, 500, 0);
    FakeHost host;
    sprite.attach(&host, true);
    EXPECT_EQ(host.regionsOffered, 1);
    RECT box;
    EXPECT_EQ(GetRgnBox(host.lastOffered, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 32);
    sprite.selectFrame(0, true, nullptr);
    EXPECT_EQ(host.regionsOffered, 1);
    sprite.advance(true);
    EXPECT_EQ(host.regionsOffered, 2);
    GetRgnBox(host.lastOffered, &box);
    EXPECT_EQ(box.right, 16);
    // Frame 3 has no rectangles: an empty outline is still an outline.
    sprite.selectFrame(3, true, nullptr);
    EXPECT_EQ(host.regionsOffered, 3);
    EXPECT_EQ(GetRgnBox(host.lastOffered, &box), NULLREGION);
    // Frame 4's data is rejected: the window keeps what it has.
    sprite.advance(true);
    EXPECT_EQ(host.regionsOffered, 3);
    // Attaching again places anew, with the outline, even on the frame already shown.
    sprite.attach(&host, true);
    sprite.attach(&host, true);
    EXPECT_EQ(host.regionsOffered, 5);
    EXPECT_EQ(host.placements, 3);
}

TEST(Sprite, AFrameWithTheOutlineTheWindowHasCostsNoRegion) {
    CyclingSprite sprite(3, 560, 560, 0);
    FakeHost host;
    sprite.attach(&host, true);
    EXPECT_EQ(host.regionsOffered, 1);
    sprite.advance(true); // a new picture, the same outline bytes
    EXPECT_EQ(sprite.currentFrame(), 1);
    EXPECT_EQ(host.regionsOffered, 1);
    sprite.advance(true);
    EXPECT_EQ(host.regionsOffered, 2);
    sprite.advance(true); // back to the whole frame, which the window no longer has
    EXPECT_EQ(host.regionsOffered, 3);
    RECT box;
    GetRgnBox(host.lastOffered, &box);
    EXPECT_EQ(box.right, 32);

    // A window that refused the outline does not have it: the next frame offers it again.
    CyclingSprite refused(3, 560, 560, 0);
    FakeHost refusing;
    refusing.acceptRegions = false;
    refused.attach(&refusing, true);
    refused.advance(true);
    EXPECT_EQ(refusing.regionsOffered, 2);
}

TEST(Sprite, FrameWithoutOutlineBytesLeavesTheOutlineAlone) {
    CyclingSprite sprite(1, 540, 540, 0);
    FakeHost host;
    sprite.attach(&host, true);
    EXPECT_EQ(host.placements, 1);
    EXPECT_EQ(host.regionsOffered, 0);
}

TEST(Sprite, EveryRegionHasOneOwner) {
    const int before = liveGdiObjects(OBJ_REGION);
    {
        CyclingSprite sprite(5, 500, 500, 0);
        FakeHost host;
        host.acceptRegions = false;
        sprite.attach(&host, true);
        // Refused: the sprite deleted it.
        EXPECT_EQ(GetObjectType(host.lastOffered), 0u);
        host.acceptRegions = true;
        sprite.advance(true);
        EXPECT_EQ(GetObjectType(host.lastOffered), static_cast<DWORD>(OBJ_REGION));
        EXPECT_EQ(liveGdiObjects(OBJ_REGION), before + 1);
        sprite.attach(nullptr, true);
    }
    EXPECT_EQ(liveGdiObjects(OBJ_REGION), before);
}

TEST(Sprite, DetachedSpritesLeaveTheirFormerWindowAlone) {
    FakeHost host;
    {
        CyclingSprite sprite(5, 500, 500, 0);
        sprite.attach(&host, true);
        sprite.attach(nullptr, true);
        const int touches = host.touches();
        sprite.advance(true);
        sprite.selectFrame(4, true, &offsets[0]);
        EXPECT_EQ(host.touches(), touches);
        EXPECT_EQ(sprite.host(), nullptr);
        EXPECT_EQ(shown(sprite), frameColours[4]);
    }
    EXPECT_EQ(host.forgotten, 0);

    // One destroyed while still attached tells its window.
    { CyclingSprite(5, 500, 500, 0).attach(&host, true); }
    EXPECT_EQ(host.forgotten, 1);
}

TEST(Sprite, PaintsTheWholeFrameAtThePlaceAsked) {
    CyclingSprite sprite(3, 510, 510, 0);
    sprite.selectFrame(1, true, nullptr); // 24 by 12
    EXPECT_EQ(paintedAt(sprite, 5, 6, 5, 6), frameColours[1]);
    EXPECT_EQ(paintedAt(sprite, 5, 6, 28, 17), frameColours[1]);
    EXPECT_EQ(paintedAt(sprite, 5, 6, 4, 6), RGB(255, 255, 255));
    EXPECT_EQ(paintedAt(sprite, 5, 6, 29, 17), RGB(255, 255, 255));
    EXPECT_EQ(paintedAt(sprite, 5, 6, 28, 18), RGB(255, 255, 255));
}

TEST(CyclingSprite, PlaysEveryFrameRepeatTimes) {
    CyclingSprite sprite(5, 500, 500, 2);
    FakeHost host;
    sprite.attach(&host, true);
    std::vector<int> frames;
    std::vector<bool> finished;
    for (int i = 0; i < 11; ++i) {
        sprite.advance(true);
        frames.push_back(sprite.currentFrame());
        finished.push_back(sprite.isFinished());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1}));
    EXPECT_EQ(finished,
              (std::vector<bool>{false, false, false, false, false, false, false, false, true, true, true}));
    sprite.rewind(true);
    EXPECT_EQ(sprite.loops(), 0);
    EXPECT_FALSE(sprite.isFinished());

    CyclingSprite forever(5, 500, 500, 0);
    for (int i = 0; i < 12; ++i) {
        forever.advance(true);
        EXPECT_FALSE(forever.isFinished());
    }
}

TEST(Sprite, DeletesItsContextAndBitmapsWhenItGoes) {
    const int before = liveGdiObjects();
    HBITMAP bitmaps[5];
    {
        CyclingSprite sprite(5, 500, 500, 0);
        for (int i = 0; i < 5; ++i)
            bitmaps[i] = sprite.frameSet().bitmap(i);
        sprite.selectFrame(3, true, nullptr);
        EXPECT_EQ(liveGdiObjects(OBJ_MEMDC), 1);
    }
    EXPECT_EQ(liveGdiObjects(), before);
    for (HBITMAP bitmap : bitmaps)
        EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST(Sprite, ConstructionFailuresLeaveNothingBehind) {
    const int before = liveGdiObjects();
    // No frame to show: refused by name instead of reading an empty table and dividing by zero.
    for (int count : {0, -1}) {
        const std::string expected =
            "Could not create sprite with frame count " + std::to_string(count) + "\n";
        try {
            SequenceSprite sprite(count, 500, 500);
            ADD_FAILURE() << "built a sequence sprite of " << count << " frames";
        } catch (const tamba::util::Exception& e) {
            EXPECT_EQ(e.message().c_str(), expected);
        }
        try {
            CyclingSprite sprite(count, 500, 500, 0);
            ADD_FAILURE() << "built a cycling sprite of " << count << " frames";
        } catch (const tamba::util::Exception& e) {
            EXPECT_EQ(e.message().c_str(), expected);
        }
    }
    EXPECT_EQ(liveGdiObjects(), before);
    try {
        CyclingSprite sprite(3, 520, 520, 0);
        FAIL() << "built a sprite whose third bitmap is missing";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not load bitmap 522\n");
    }
    EXPECT_EQ(liveGdiObjects(), before);

    // Fill the process's GDI handle table so that no memory device context can be made.
    std::vector<GdiHandle<HRGN>> filler;
    for (;;) {
        GdiHandle<HRGN> region(CreateRectRgn(0, 0, 1, 1));
        if (!region)
            break;
        filler.push_back(std::move(region));
    }
    std::string message = "(nothing thrown)";
    try {
        CyclingSprite sprite(5, 500, 500, 0);
    } catch (const tamba::util::Exception& e) {
        message = e.message().c_str();
    }
    filler.clear();
    EXPECT_EQ(message, "Could not create bitmap dc\n");
    EXPECT_EQ(liveGdiObjects(), before);
}
