// The fishing diver's frames: where the game looks for catches, and what must never be in them; and, for
// the diver and the caber thrower alike, no part cut off by the edge of its frame.
#include "ArtDir.h"
#include "BmpFile.h"
#include "RgnFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

BmpFile frame(int n) {
    return BmpFile::load(ArtDir::file(std::to_string(n) + ".bmp"));
}

// Outline pixels lying on each edge of a width by height frame.
struct EdgePixels {
    int left = 0, top = 0, right = 0, bottom = 0;
};

EdgePixels edgePixels(const RgnFile& rgn, int width, int height) {
    EdgePixels e;
    for (const RgnFile::Rect& r : rgn.rects) {
        e.left += r.left <= 0 ? r.bottom - r.top : 0;
        e.right += r.right >= width ? r.bottom - r.top : 0;
        e.top += r.top <= 0 ? r.right - r.left : 0;
        e.bottom += r.bottom >= height ? r.right - r.left : 0;
    }
    return e;
}

bool near(std::uint32_t rgb, std::uint32_t want, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((rgb >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) >
            tolerance)
            return false;
    return true;
}

// Pixels of the net's mesh lines (a colour nothing else in these frames uses) inside a box.
int meshPixels(const BmpFile& bmp, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            n += bmp.index(x, y) != 0 && near(bmp.rgb(x, y), 0x8FB4C8, 12);
    return n;
}

} // namespace

// The game's catch boxes keep their 100 % numbers: at every scale the drawn net must pass through them.
TEST(Diver, EachSwipesNetPassesThroughItsCatchBoxAtEveryScale) {
    for (int k = 0; k < ArtDir::scales; ++k) {
        auto s = [k](int v) { return ArtDir::scaled(v, k); };
        for (int n = 406; n <= 413; ++n) {
            SCOPED_TRACE(ArtDir::numberAt(n, k));
            const bool right = n <= 409;
            const int b[4] = {right ? 38 : 5, right ? 68 : 100, right ? 110 : 83, right ? 139 : 177};
            EXPECT_GE(meshPixels(frame(ArtDir::numberAt(n, k)), s(b[0]), s(b[1]), s(b[2]), s(b[3])), s(10));
        }
    }
}

TEST(Diver, EveryFrameButTheLastCarriesTheNet) {
    for (int n = 400; n <= 420; ++n) {
        SCOPED_TRACE(n);
        EXPECT_GE(meshPixels(frame(n), 0, 0, 158, 188), 10);
    }
}

TEST(Diver, TheIslandIsNeverDrawnInADiverFrame) {
    // Sand, trunk and palm colours belong to the island's own window. The island would bring hundreds of
    // such pixels; a few antialiased fish edges may come close to one of them by chance.
    for (int n = 400; n <= 421; ++n) {
        SCOPED_TRACE(n);
        BmpFile bmp = frame(n);
        int island = 0;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                island += bmp.index(x, y) != 0 &&
                          (near(bmp.rgb(x, y), 0xF5D58E, 6) || near(bmp.rgb(x, y), 0xB97B45, 6) ||
                           near(bmp.rgb(x, y), 0x5CC04C, 6));
        EXPECT_LE(island, 8);
    }
}

TEST(Diver, LastFrameIsAnEmptyOutline) {
    RgnFile rgn = RgnFile::load(ArtDir::file("421.rgn"));
    EXPECT_EQ(rgn.count, 0u);
    EXPECT_EQ(rgn.fileSize, 32u);
    EXPECT_EQ(rgn.bound.left, 0);
    EXPECT_EQ(rgn.bound.top, 0);
    EXPECT_EQ(rgn.bound.right, 0);
    EXPECT_EQ(rgn.bound.bottom, 0);
    BmpFile bmp = frame(421);
    int shown = 0;
    for (int y = 0; y < bmp.height(); ++y)
        for (int x = 0; x < bmp.width(); ++x)
            shown += bmp.index(x, y) != 0;
    EXPECT_EQ(shown, 0);
}

TEST(Diver, CatchFramesShowTheFishAboveTheRim) {
    // Each kind's catch frame holds pixels of that kind's body colour.
    const std::uint32_t bodies[3] = {0xFF8A3A, 0x7A6CF2, 0xC3DE3C};
    for (int n = 414; n <= 419; ++n) {
        SCOPED_TRACE(n);
        BmpFile bmp = frame(n);
        int fish = 0;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                fish += bmp.index(x, y) != 0 && near(bmp.rgb(x, y), bodies[(n - 414) / 2], 10);
        EXPECT_GE(fish, 12);
    }
}

TEST(CharacterFrames, NoPartMeetsTheFramesEdgeButTheThrowersFeetOnTheGround) {
    // The window takes the frame's outline, so whatever reaches an edge ends there in a straight cut.
    struct Run {
        int first, last, width, height;
        bool standsOnTheBottom;
    };
    for (const Run& run : {Run{400, 420, 158, 188, false}, Run{600, 612, 189, 251, true}})
        for (int n = run.first; n <= run.last; ++n) {
            SCOPED_TRACE(n);
            const RgnFile rgn = RgnFile::load(ArtDir::file(std::to_string(n) + ".rgn"));
            ASSERT_GT(rgn.count, 0u);
            const EdgePixels e = edgePixels(rgn, run.width, run.height);
            EXPECT_EQ(e.left, 0) << "on the left edge";
            EXPECT_EQ(e.top, 0) << "on the top edge";
            EXPECT_EQ(e.right, 0) << "on the right edge";
            if (!run.standsOnTheBottom) {
                EXPECT_EQ(e.bottom, 0) << "on the bottom edge";
            }
        }
}
