#include "gui/FrameSet.h"
#include "gui/Region.h"
#include "support/GdiCensus.h"
#include "tamba_util/Exception.h"

#include <gtest/gtest.h>
#include <string>

using tamba::gui::FrameSet;
using tamba::gui::Region;
using tamba::test::liveGdiObjects;
using tamba::util::Exception;

namespace {
const void* resourceData(int number, DWORD* size = nullptr) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(number), "REGION");
    if (size != nullptr)
        *size = SizeofResource(nullptr, found);
    return LockResource(LoadResource(nullptr, found));
}

template <class Action> std::string thrownMessage(Action action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.message().c_str();
    }
    return "(nothing thrown)";
}
} // namespace

TEST(FrameSet, LoadsAllFramesOnceAtFirstUseAndUsesOutlinesInPlace) {
    const int bitmapsBefore = liveGdiObjects(OBJ_BITMAP);
    FrameSet set(5, 500, 500);
    EXPECT_FALSE(set.loaded());
    EXPECT_EQ(liveGdiObjects(OBJ_BITMAP), bitmapsBefore);

    SIZE size = {-1, -1};
    set.frameSize(1, size);
    EXPECT_TRUE(set.loaded());
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 24);
    EXPECT_EQ(liveGdiObjects(OBJ_BITMAP), bitmapsBefore + 5);

    const HBITMAP first = set.bitmap(0);
    set.load();
    EXPECT_EQ(set.bitmap(0), first);
    EXPECT_EQ(liveGdiObjects(OBJ_BITMAP), bitmapsBefore + 5);

    for (int i = 0; i < 5; ++i) {
        DWORD size = 0;
        const void* data = resourceData(500 + i, &size);
        EXPECT_EQ(set.outline(i), data) << "frame " << i;
        EXPECT_EQ(set.outlineSize(i), size) << "frame " << i;
        EXPECT_EQ(set.description(i).bmWidth, 32) << "frame " << i;
    }
    EXPECT_EQ(set.outlineSize(2), 64u);
    EXPECT_EQ(set.outlineSize(3), 32u);

    // Unloaded means not loaded: the next use loads the frames again.
    set.unload();
    EXPECT_FALSE(set.loaded());
    EXPECT_EQ(liveGdiObjects(OBJ_BITMAP), bitmapsBefore);
    size = {-1, -1};
    set.frameSize(4, size);
    EXPECT_TRUE(set.loaded());
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(liveGdiObjects(OBJ_BITMAP), bitmapsBefore + 5);
}

TEST(FrameSet, NumbersWrapAt65536AndOutlinesHaveTheirOwnFirstNumber) {
    FrameSet set(1, 65536 + 510, 550);
    SIZE size = {};
    set.firstFrameSize(size);
    EXPECT_EQ(size.cx, 20);
    EXPECT_EQ(size.cy, 16);
    EXPECT_EQ(set.outline(0), resourceData(550));
}

TEST(FrameSet, MissingThirdBitmapThrowsOnceAndKeepsTheFramesBefore) {
    HBITMAP kept[2] = {};
    {
        FrameSet set(3, 520, 520);
        EXPECT_EQ(thrownMessage([&] { set.load(); }), "Could not load bitmap 522\n");
        EXPECT_TRUE(set.loaded());
        // A second access does not try again.
        SIZE size = {};
        EXPECT_EQ(thrownMessage([&] { set.frameSize(0, size); }), "(nothing thrown)");
        EXPECT_EQ(size.cx, 32);
        kept[0] = set.bitmap(0);
        kept[1] = set.bitmap(1);
        EXPECT_EQ(GetObjectType(kept[1]), static_cast<DWORD>(OBJ_BITMAP));
        EXPECT_EQ(set.bitmap(2), nullptr);
    }
    EXPECT_EQ(GetObjectType(kept[0]), 0u);
    EXPECT_EQ(GetObjectType(kept[1]), 0u);
}

TEST(FrameSet, MissingResourcesAreNamedInDecimal) {
    EXPECT_EQ(thrownMessage([] { FrameSet(1, 530, 530).load(); }), "Could not load region 530\n");
    EXPECT_EQ(thrownMessage([] { FrameSet(1, -3, -3).load(); }), "Could not load bitmap -3\n");
    EXPECT_EQ(thrownMessage([] { FrameSet(2, 500, 553).load(); }), "Could not load region 554\n");
}

TEST(FrameSet, EmptySetsAndIndicesOutsideLeaveTheSizeUntouched) {
    const int before = liveGdiObjects();
    for (int count : {0, -1}) {
        FrameSet empty(count, 500, 500);
        SIZE size = {7, 9};
        EXPECT_EQ(thrownMessage([&] { empty.firstFrameSize(size); }), "(nothing thrown)");
        EXPECT_EQ(size.cx, 7);
        EXPECT_EQ(size.cy, 9);
    }
    EXPECT_EQ(liveGdiObjects(), before);

    FrameSet set(2, 510, 510);
    for (int index : {2, -1}) {
        SIZE size = {7, 9};
        set.frameSize(index, size);
        EXPECT_EQ(size.cx, 7) << index;
        EXPECT_EQ(size.cy, 9) << index;
    }
}

TEST(FrameSet, OutlineResourceWithoutBytesGivesNoOutline) {
    FrameSet set(1, 540, 540);
    EXPECT_EQ(set.outline(0), nullptr);
    EXPECT_EQ(set.outlineSize(0), 0u);
    EXPECT_NE(set.bitmap(0), nullptr);
}

TEST(FrameSet, DeletesItsBitmapsWhenItGoes) {
    const int before = liveGdiObjects(OBJ_BITMAP);
    HBITMAP handles[5];
    {
        FrameSet set(5, 500, 500);
        for (int i = 0; i < 5; ++i)
            handles[i] = set.bitmap(i);
    }
    EXPECT_EQ(liveGdiObjects(OBJ_BITMAP), before);
    for (HBITMAP handle : handles)
        EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(Region, BuildsTheOutlineFromDataInPlaceAndDeletesIt) {
    HRGN handle;
    {
        Region region(550);
        handle = region.handle();
        RECT box;
        EXPECT_EQ(GetRgnBox(handle, &box), SIMPLEREGION);
        EXPECT_EQ(box.left, 2);
        EXPECT_EQ(box.top, 3);
        EXPECT_EQ(box.right, 10);
        EXPECT_EQ(box.bottom, 7);
        EXPECT_EQ(region.data(), resourceData(550));
        EXPECT_EQ(region.size(), 48u);
    }
    EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(Region, OutlinesWithoutRectanglesBytesOrValidData) {
    Region none(551);
    RECT box;
    ASSERT_NE(none.handle(), nullptr);
    EXPECT_EQ(GetRgnBox(none.handle(), &box), NULLREGION);

    Region noBytes(552);
    EXPECT_EQ(noBytes.handle(), nullptr);
    EXPECT_EQ(noBytes.data(), nullptr);
    EXPECT_EQ(noBytes.size(), 0u);

    Region rejected(553);
    EXPECT_EQ(rejected.handle(), nullptr);
    EXPECT_EQ(rejected.data(), resourceData(553));

    EXPECT_EQ(thrownMessage([] { Region missing(599); }), "Could not load region 599\n");
}
