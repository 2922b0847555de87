// The caber game's sprites: the thrower stands on the ground facing left, the flying caber keeps its end
// on each frame's pivot, and the target's rings are exactly the hit areas the game loads.
#include "ArtDir.h"
#include "BmpFile.h"
#include "RgnFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>

namespace {

BmpFile frame(int n) {
    return BmpFile::load(ArtDir::file(std::to_string(n) + ".bmp"));
}

RgnFile region(int n) {
    return RgnFile::load(ArtDir::file(std::to_string(n) + ".rgn"));
}

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; // right, bottom exclusive
    int count = 0;
    void add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
        ++count;
    }
};

Box shown(const BmpFile& b) {
    Box box;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.index(x, y) != 0)
                box.add(x, y);
    return box;
}

// The shown pixel nearest to (px, py), as a distance.
double nearest(const BmpFile& b, int px, int py) {
    double best = 1e9;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.index(x, y) != 0)
                best = std::min(best, std::hypot(x - px, y - py));
    return best;
}

const int pivots[10][2] = {{187, 184}, {190, 182}, {190, 181}, {191, 104}, {185, 40},
                           {97, 187},  {129, 189}, {127, 189}, {183, 184}, {195, 185}};

} // namespace

TEST(CaberThrower, StandsOnTheFramesBottomWholeAndFacingLeft) {
    for (int n = 600; n <= 612; ++n) {
        SCOPED_TRACE(n);
        const BmpFile b = frame(n);
        const Box box = shown(b);
        ASSERT_GT(box.count, 3000) << "the whole character";
        EXPECT_GE(box.bottom, 246) << "feet on the ground";
        EXPECT_GT(box.right, 130);
        EXPECT_LT(box.right, 189) << "nothing cut at the back";
        // Facing left: the head's eye white lies left of the tail, which ends at the back.
        int eyeX = 0, eyes = 0;
        for (int y = 0; y < 251; ++y)
            for (int x = 0; x < 189; ++x)
                if (b.index(x, y) != 0 && b.rgb(x, y) == 0xFFFFFF) {
                    eyeX += x;
                    ++eyes;
                }
        ASSERT_GT(eyes, 10);
        EXPECT_LT(eyeX / eyes, 120);
    }
}

TEST(CaberThrower, HoldsTheCaberHighUntilTheReleaseThenNot) {
    // The caber stands well above the head while held; once gone the frame is only the character.
    for (int n = 600; n <= 612; ++n) {
        SCOPED_TRACE(n);
        const Box box = shown(frame(n));
        if (n <= 610) {
            EXPECT_LT(box.top, 70);
        } else {
            EXPECT_GT(box.top, 90);
        }
    }
    // The running frames differ from each other: the legs move.
    for (int n = 600; n < 605; ++n) {
        const BmpFile a = frame(n), b = frame(n + 1);
        int changed = 0;
        for (int y = 200; y < 251; ++y)
            for (int x = 0; x < 189; ++x)
                changed += (a.index(x, y) != 0) != (b.index(x, y) != 0);
        EXPECT_GT(changed, 60) << n;
    }
    EXPECT_EQ(frame(600).palette(), frame(612).palette()) << "one palette for the whole set";
}

TEST(CaberFlight, EachFramesEndSitsOnItsPivot) {
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(620 + i);
        const BmpFile b = frame(620 + i);
        EXPECT_LE(nearest(b, pivots[i][0], pivots[i][1]), 2.5);
        // The pivot is an end of the log: most of it lies to one side, not around the point.
        const Box box = shown(b);
        ASSERT_GT(box.count, 1200) << "the whole log";
        // The landing frame's dust puff spreads both ways; elsewhere only the log's rounded end passes it.
        if (i != 5) {
            EXPECT_LE(box.right, pivots[i][0] + 10) << "nothing of the log past its end";
        }
    }
    EXPECT_EQ(frame(620).palette(), frame(629).palette());
}

TEST(CaberFlight, TurnsOverInTheAirThenLiesFlatOnTheGround) {
    // Aloft the log's box grows wider as it turns from upright; on the ground it ends flat and low.
    int lastWidth = 0;
    for (int i = 0; i < 3; ++i) {
        const Box box = shown(frame(620 + i));
        EXPECT_GT(box.right - box.left, lastWidth) << 620 + i;
        lastWidth = box.right - box.left;
    }
    EXPECT_GT(shown(frame(620)).bottom - shown(frame(620)).top, 150) << "first frame nearly upright";
    for (int n : {628, 629}) {
        const Box box = shown(frame(n));
        EXPECT_LT(box.bottom - box.top, 24) << n;
        EXPECT_GE(box.bottom, 187) << n;
        EXPECT_GT(box.right - box.left, 150) << n;
    }
    // The landing frame touches the ground at its landing point.
    EXPECT_LE(nearest(frame(625), 99, 190), 3.5);
}

TEST(Target, RingRegionsHaveTheGamesBoundsAndNest) {
    const int bounds[3][4] = {{0, 0, 286, 162}, {60, 20, 227, 114}, {109, 42, 177, 80}};
    const BmpFile target = frame(105);
    for (int ring = 0; ring < 3; ++ring) {
        SCOPED_TRACE(115 + ring);
        EXPECT_FALSE(std::filesystem::exists(ArtDir::file(std::to_string(115 + ring) + ".bmp")))
            << "a hit area only";
        const RgnFile r = region(115 + ring);
        Box box;
        for (int y = 0; y < 162; ++y)
            for (int x = 0; x < 287; ++x)
                if (r.contains(x, y))
                    box.add(x, y);
        EXPECT_EQ(box.left, bounds[ring][0]);
        EXPECT_EQ(box.top, bounds[ring][1]);
        EXPECT_EQ(box.right, bounds[ring][2]);
        EXPECT_EQ(box.bottom, bounds[ring][3]);
        // An ellipse fills about pi/4 of its box.
        const double area = (bounds[ring][2] - bounds[ring][0]) * (bounds[ring][3] - bounds[ring][1]);
        EXPECT_NEAR(box.count / area, M_PI / 4, 0.02);
        // Inside the picture, and inside the next ring out.
        for (int y = 0; y < 162; ++y)
            for (int x = 0; x < 287; ++x)
                if (r.contains(x, y)) {
                    ASSERT_NE(target.index(x, y), 0) << x << ", " << y;
                    if (ring > 0) {
                        ASSERT_TRUE(region(114 + ring).contains(x, y)) << x << ", " << y;
                    }
                }
    }
}

TEST(Target, EachRingShowsItsOwnColourWithItsOutlineAtTheRegionsEdge) {
    const BmpFile target = frame(105);
    const Box all = shown(target);
    EXPECT_EQ(all.left, 0);
    EXPECT_EQ(all.top, 0);
    EXPECT_EQ(all.right, 286);
    EXPECT_EQ(all.bottom, 162);
    // Just inside each ring's left edge, on its middle line, lies dark outline; a little further in, the
    // ring's fill.
    const int edges[3][2] = {{0, 81}, {60, 67}, {109, 61}};
    const std::uint32_t fills[3] = {0xFFFFFF, 0x47A6EA, 0xE0524A};
    for (int ring = 0; ring < 3; ++ring) {
        SCOPED_TRACE(ring);
        EXPECT_EQ(target.rgb(edges[ring][0] + 1, edges[ring][1]), 0x143247u);
        int found = 0;
        for (int x = edges[ring][0] + 3; x < edges[ring][0] + 20; ++x)
            found += target.rgb(x, edges[ring][1]) == fills[ring];
        EXPECT_GE(found, 5);
    }
}

TEST(ThrowLine, IsASmallMarkerStandingOnItsTurf) {
    const Box box = shown(frame(104));
    EXPECT_GT(box.count, 700);
    EXPECT_GE(box.bottom, 56);
    EXPECT_LT(box.top, 6);
}
