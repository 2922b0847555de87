// Region rectangles from small hand-made masks.
#include "RegionBuilder.h"
#include "Bytes.h"
#include "RgnFile.h"

#include <gtest/gtest.h>

namespace {

Mask parse(const std::vector<std::string>& rows) {
    Mask m(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            m.set(x, y, rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#');
    return m;
}

RgnFile roundTrip(const Mask& m) {
    return RgnFile(Bytes(RegionBuilder::regionData(RegionBuilder::rectangles(m))));
}

void expectRect(const RgnFile::Rect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

} // namespace

TEST(RegionBuilder, LShapeGivesTwoBands) {
    RgnFile rgn = roundTrip(parse({"#...", //
                                   "#...", //
                                   "#...", //
                                   "####"}));
    ASSERT_EQ(rgn.count, 2u);
    expectRect(rgn.rects[0], 0, 0, 1, 3);
    expectRect(rgn.rects[1], 0, 3, 4, 4);
    expectRect(rgn.bound, 0, 0, 4, 4);
    EXPECT_EQ(rgn.headerSize, 32u);
    EXPECT_EQ(rgn.type, 1u);
    EXPECT_EQ(rgn.rgnSize, 32u);
    EXPECT_EQ(rgn.fileSize, 64u);
}

TEST(RegionBuilder, EmptyMaskGivesNoRectanglesAndZeroBounds) {
    RgnFile rgn = roundTrip(parse({"....", "...."}));
    EXPECT_EQ(rgn.count, 0u);
    EXPECT_EQ(rgn.rgnSize, 0u);
    EXPECT_EQ(rgn.fileSize, 32u);
    expectRect(rgn.bound, 0, 0, 0, 0);
}

TEST(RegionBuilder, FullMaskIsOneRectangle) {
    RgnFile rgn = roundTrip(parse({"###", "###"}));
    ASSERT_EQ(rgn.count, 1u);
    expectRect(rgn.rects[0], 0, 0, 3, 2);
}

TEST(RegionBuilder, RingGivesThreeBandsWithTwoRectanglesInTheMiddle) {
    RgnFile rgn = roundTrip(parse({".....", //
                                   ".###.", //
                                   ".#.#.", //
                                   ".#.#.", //
                                   ".###.", //
                                   "....."}));
    ASSERT_EQ(rgn.count, 4u);
    expectRect(rgn.rects[0], 1, 1, 4, 2);
    expectRect(rgn.rects[1], 1, 2, 2, 4);
    expectRect(rgn.rects[2], 3, 2, 4, 4);
    expectRect(rgn.rects[3], 1, 4, 4, 5);
    expectRect(rgn.bound, 1, 1, 4, 5);
}

TEST(RegionBuilder, RowsSeparatedByAGapAreNotMerged) {
    RgnFile rgn = roundTrip(parse({"##..", //
                                   "....", //
                                   "##..", //
                                   "..##"}));
    ASSERT_EQ(rgn.count, 3u);
    expectRect(rgn.rects[0], 0, 0, 2, 1);
    expectRect(rgn.rects[1], 0, 2, 2, 3);
    expectRect(rgn.rects[2], 2, 3, 4, 4);
}

TEST(RegionBuilder, RectanglesCoverTheMaskExactly) {
    std::vector<std::string> rows = {"..##..#.", "#.####..", "########", "........", ".#.#.#.#", "##....##"};
    Mask m = parse(rows);
    RgnFile rgn = roundTrip(m);
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            EXPECT_EQ(rgn.contains(x, y), m.at(x, y)) << x << "," << y;
    // Rectangles never overlap: their areas add up to the mask's pixel count.
    long area = 0;
    for (const auto& r : rgn.rects)
        area += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    EXPECT_EQ(area, m.count());
}
