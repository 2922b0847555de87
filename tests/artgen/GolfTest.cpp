// The golf game's sprites: where the game expects the club head and the cup, and that turning and posing
// keep the golfer whole and in the middle of its frame.
#include "ArtDir.h"
#include "BmpFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

BmpFile frame(int n) {
    return BmpFile::load(ArtDir::file(std::to_string(n) + ".bmp"));
}

int golfer(int aim, int pose) {
    return aim == 0 ? 961 + pose : 811 + 10 * (aim - 1) + pose;
}

bool near(std::uint32_t rgb, std::uint32_t want, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((rgb >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) >
            tolerance)
            return false;
    return true;
}

struct Count {
    int inside = 0, all = 0;
};

bool shownAs(const BmpFile& bmp, int x, int y, std::uint32_t colour) {
    return x >= 0 && y >= 0 && x < bmp.width() && y < bmp.height() && bmp.index(x, y) != 0 &&
           near(bmp.rgb(x, y), colour, 10);
}

// Shown pixels of a colour, and how many of them fall in the box (right and bottom exclusive). Solid
// counts only pixels whose four neighbours share the colour: flat fill, not an antialiased edge of
// another part that happens to pass through the same shade.
Count colourIn(const BmpFile& bmp, std::uint32_t colour, int left, int top, int right, int bottom,
               bool solid = false) {
    Count c;
    for (int y = 0; y < bmp.height(); ++y)
        for (int x = 0; x < bmp.width(); ++x)
            if (shownAs(bmp, x, y, colour) &&
                (!solid || (shownAs(bmp, x - 1, y, colour) && shownAs(bmp, x + 1, y, colour) &&
                            shownAs(bmp, x, y - 1, colour) && shownAs(bmp, x, y + 1, colour)))) {
                ++c.all;
                c.inside += x >= left && x < right && y >= top && y < bottom;
            }
    return c;
}

constexpr std::uint32_t clubHead = 0xAEBAC6;

} // namespace

TEST(Golfer, AddressingPoseHasTheClubHeadInItsAimsBoxAtEveryScale) {
    // The game's boxes, relative to the frame; past an edge means the head lies at that edge.
    const int boxes[16][4] = {{101, 60, 119, 78}, {92, 77, 110, 95}, {78, 88, 96, 106}, {54, 94, 72, 112},
                              {31, 96, 49, 110},  {14, 93, 32, 111}, {7, 79, 25, 97},   {0, 55, 18, 73},
                              {-2, 56, 14, 73},   {1, 12, 19, 30},   {13, 3, 31, 21},   {38, -4, 56, 14},
                              {60, -7, 78, 11},   {76, -2, 94, 16},  {88, 11, 106, 29}, {97, 38, 115, 56}};
    for (int k = 0; k < ArtDir::scales; ++k)
        for (int aim = 0; aim < 16; ++aim) {
            const int n = ArtDir::numberAt(golfer(aim, 0), k);
            SCOPED_TRACE(n);
            const int* b = boxes[aim];
            // One pixel of slack for the rounding of a larger scale.
            const int slack = k > 0 ? 1 : 0;
            auto s = [k](int v) { return ArtDir::scaled(v, k); };
            const Count head = colourIn(frame(n), clubHead, s(b[0]) - slack, s(b[1]) - slack, s(b[2]) + slack,
                                        s(b[3]) + slack, true);
            EXPECT_GE(head.inside, 8 * ArtDir::percents[k] * ArtDir::percents[k] / 10000)
                << "grows with the area";
            EXPECT_EQ(head.inside, head.all) << "the whole head, not a corner of it";
        }
}

TEST(Golfer, EveryFrameHoldsTheClubAndKeepsTheGolferWholeAndCentred) {
    for (int aim = 0; aim < 16; ++aim)
        for (int pose = 0; pose < 6; ++pose) {
            const int n = golfer(aim, pose);
            SCOPED_TRACE(n);
            const BmpFile bmp = frame(n);
            EXPECT_GE(colourIn(bmp, clubHead, 0, 0, 110, 110, true).all, 8);
            double sx = 0, sy = 0;
            int shown = 0, onEdge = 0;
            for (int y = 0; y < 110; ++y)
                for (int x = 0; x < 110; ++x)
                    if (bmp.index(x, y) != 0) {
                        sx += x;
                        sy += y;
                        ++shown;
                        onEdge += x == 0 || y == 0 || x == 109 || y == 109;
                    }
            // Only the club head at the ball may be cut by the frame; nothing of a swing is.
            if (pose > 0) {
                EXPECT_EQ(onEdge, 0);
            }
            ASSERT_GT(shown, 1500) << "the whole character, not a fragment";
            EXPECT_LT(std::hypot(sx / shown - 55, sy / shown - 55), 12);
        }
}

TEST(Golfer, PosesOfOneAimDifferAndAllFramesShareOnePalette) {
    const BmpFile first = frame(golfer(0, 0));
    for (int aim = 0; aim < 16; ++aim) {
        const BmpFile address = frame(golfer(aim, 0));
        for (int pose = 1; pose < 6; ++pose) {
            SCOPED_TRACE(golfer(aim, pose));
            const BmpFile other = frame(golfer(aim, pose));
            EXPECT_EQ(other.palette(), first.palette());
            int changed = 0;
            for (int y = 0; y < 110; ++y)
                for (int x = 0; x < 110; ++x)
                    changed += (address.index(x, y) != 0) != (other.index(x, y) != 0);
            EXPECT_GT(changed, 150) << "the club swings";
        }
    }
}

TEST(Hole, CupLiesInTheBoxWhereTheBallDropsAndTheFlagFliesAbove) {
    const BmpFile hole = frame(700);
    const Count cup = colourIn(hole, 0x0A1F14, 0, 33, 29, 65);
    EXPECT_GE(cup.inside, 30);
    EXPECT_EQ(cup.inside, cup.all);
    const Count flag = colourIn(hole, 0xE0524A, 0, 0, 53, 33);
    EXPECT_GE(flag.inside, 100);
    EXPECT_EQ(flag.inside, flag.all);
}

TEST(Ball, IsRoundWhiteAndFillsItsBox) {
    const BmpFile ball = frame(701);
    int shown = 0, light = 0, mirrored = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool in = ball.index(x, y) != 0;
            shown += in;
            light += in && near(ball.rgb(x, y), 0xE0E0E0, 0x20);
            mirrored += in != (ball.index(15 - x, y) != 0);
            mirrored += in != (ball.index(x, 15 - y) != 0);
            mirrored += in != (ball.index(y, x) != 0);
        }
    // A disc of radius 8 covers about 201 pixels; the four corners stay out.
    EXPECT_GT(shown, 170);
    EXPECT_LT(shown, 225);
    EXPECT_LE(mirrored, 6);
    EXPECT_GT(light, shown / 2) << "white with light grey dimples inside the dark outline";
    for (int c : {0, 15})
        for (int d : {0, 15})
            EXPECT_EQ(ball.index(c, d), 0);
}
