// The caber game's sprites: the thrower stands on the ground facing left, the flying caber keeps its end
// on each frame's pivot, and the target's rings, as the game scores them, are the rings the picture shows.
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

TEST(Target, RingRegionsHaveTheGamesBounds) {
    const int bounds[3][4] = {{0, 0, 286, 162}, {60, 20, 227, 114}, {109, 42, 177, 80}};
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
    }
}

namespace {

// The ring (0 outer, 1 middle, 2 centre) the game scores at a target point: the first of its regions,
// in its order, that contains the point; -1 for none.
int scoredRing(const RgnFile (&rings)[3], int x, int y) {
    for (int ring = 0; ring < 3; ++ring)
        if (rings[ring].contains(x, y))
            return ring;
    return -1;
}

// The ring whose fill or shade the picture shows at a point, give or take a trace of antialiasing; -1
// for the outline, blends between colours and the background.
int shownRing(const BmpFile& target, int x, int y) {
    const std::uint32_t colours[3][2] = {{0xFFFFFF, 0xD2E6EE}, {0x47A6EA, 0x2A75C2}, {0xE0524A, 0xB83A36}};
    if (target.index(x, y) == 0)
        return -1;
    const std::uint32_t rgb = target.rgb(x, y);
    for (int ring = 0; ring < 3; ++ring)
        for (std::uint32_t c : colours[ring]) {
            int distance = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                distance +=
                    std::abs(static_cast<int>((rgb >> shift) & 0xFF) - static_cast<int>((c >> shift) & 0xFF));
            if (distance <= 24)
                return ring;
        }
    return -1;
}

} // namespace

TEST(Target, EveryScoreIsReachableWhereThePictureShowsItsRing) {
    const BmpFile target = frame(105);
    const RgnFile rings[3] = {region(115), region(116), region(117)};
    int scoring[3] = {};
    for (int y = 0; y < 162; ++y)
        for (int x = 0; x < 287; ++x) {
            const int scored = scoredRing(rings, x, y);
            ASSERT_EQ(scored >= 0, target.index(x, y) != 0)
                << "the rings cover the picture: " << x << ", " << y;
            const int shown = shownRing(target, x, y);
            if (shown >= 0) {
                ASSERT_EQ(scored, shown) << "a caber landing on a ring scores that ring: " << x << ", " << y;
                ++scoring[shown];
            }
        }
    for (int ring = 0; ring < 3; ++ring)
        EXPECT_GT(scoring[ring], 500) << ring;

    // Neighbours overlap along the whole of the inner ring's edge, and only a few pixels deep, so the order
    // decides only on the outline between them; the centre and the outer ring do not meet.
    auto in = [&](int ring, int x, int y) {
        return x >= 0 && y >= 0 && x < 287 && y < 162 && rings[ring].contains(x, y);
    };
    // A ring with everything inside it.
    auto inDisc = [&](int ring, int x, int y) {
        for (int r = ring; r < 3; ++r)
            if (in(r, x, y))
                return true;
        return false;
    };
    for (int inner = 1; inner < 3; ++inner) {
        SCOPED_TRACE(115 + inner);
        int overlap = 0;
        for (int y = 0; y < 162; ++y)
            for (int x = 0; x < 287; ++x) {
                const bool edge =
                    inDisc(inner, x, y) && (!inDisc(inner, x - 1, y) || !inDisc(inner, x + 1, y) ||
                                            !inDisc(inner, x, y - 1) || !inDisc(inner, x, y + 1));
                if (edge) {
                    ASSERT_TRUE(in(inner - 1, x, y)) << "a gap between the rings at " << x << ", " << y;
                }
                if (!in(inner, x, y) || !in(inner - 1, x, y))
                    continue;
                ++overlap;
                bool nearEdge = false;
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -3; dx <= 3; ++dx)
                        nearEdge = nearEdge || !inDisc(inner, x + dx, y + dy);
                ASSERT_TRUE(nearEdge) << "deep overlap at " << x << ", " << y;
            }
        EXPECT_GT(overlap, 0);
    }
    for (int y = 0; y < 162; ++y)
        for (int x = 0; x < 287; ++x)
            ASSERT_FALSE(in(0, x, y) && in(2, x, y)) << x << ", " << y;
}

// The game scores a landing with the 100 % rings whatever the scale: what a larger picture shows under a
// point must be the ring the game scores there (one 100 % pixel of slack at the rings' edges).
TEST(Target, TheScaledPicturesShowTheRingsTheGameScores) {
    const RgnFile rings[3] = {region(115), region(116), region(117)};
    for (int k = 1; k < ArtDir::scales; ++k) {
        SCOPED_TRACE(ArtDir::percents[k]);
        const BmpFile target = frame(ArtDir::numberAt(105, k));
        int checked = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const int shown = shownRing(target, x, y);
                if (shown < 0)
                    continue;
                const int lx = x * 100 / ArtDir::percents[k], ly = y * 100 / ArtDir::percents[k];
                bool sure = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        sure = sure && scoredRing(rings, lx + dx, ly + dy) == scoredRing(rings, lx, ly);
                if (!sure)
                    continue;
                ASSERT_EQ(scoredRing(rings, lx, ly), shown) << x << ", " << y;
                ++checked;
            }
        EXPECT_GT(checked, 3 * 1500);
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
