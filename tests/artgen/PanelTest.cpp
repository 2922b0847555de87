// The dialog pictures: the places where the program draws controls or text, or takes clicks, must look
// the part.
#include "ArtDir.h"
#include "BmpFile.h"

#include <gtest/gtest.h>

namespace {

BmpFile picture(int n) {
    return BmpFile::load(ArtDir::file(std::to_string(n) + ".bmp"));
}

double luminance(std::uint32_t rgb) {
    return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
}

struct Stats {
    double mean = 0, brightest = 0;
};

Stats stats(const BmpFile& b, int left, int top, int right, int bottom) {
    Stats s;
    long n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            double l = luminance(b.rgb(x, y));
            s.mean += l;
            s.brightest = std::max(s.brightest, l);
            ++n;
        }
    s.mean /= static_cast<double>(n);
    return s;
}

} // namespace

TEST(OptionsPanel, ControlAreasAreDarkAndCalmForWhiteLabels) {
    BmpFile options = picture(103);
    Stats boxes = stats(options, 20, 80, 200, 200);
    Stats buttons = stats(options, 240, 200, 350, 300);
    EXPECT_LT(boxes.mean, 60);
    EXPECT_LT(boxes.brightest, 110) << "nothing bright behind the check boxes";
    EXPECT_LT(buttons.mean, 60);
    EXPECT_LT(buttons.brightest, 110);
    EXPECT_GT(stats(options, 60, 20, 250, 65).brightest, 150) << "a readable heading at the top";
}

// The dialog fills each control's box with its own dark blue (0, 0, 128): the picture must be exactly
// that colour wherever a control may sit, whether the dialog font lays them out narrow or wide.
TEST(OptionsPanel, ControlsSitOnTheDialogsOwnBlue) {
    BmpFile options = picture(103);
    const int areas[][4] = {{20, 84, 240, 200}, {248, 205, 346, 266}};
    for (const auto& a : areas)
        for (int y = a[1]; y < a[3]; ++y)
            for (int x = a[0]; x < a[2]; ++x)
                ASSERT_EQ(options.rgb(x, y), 0x000080u) << "at " << x << ", " << y;
}

TEST(GamePanels, CloseMarkLiesInsideItsBox) {
    for (int n : {107, 108, 109, 110, 111, 112}) {
        SCOPED_TRACE(n);
        BmpFile b = picture(n);
        EXPECT_GT(stats(b, 342, 12, 351, 21).brightest, 200) << "a light mark in the box";
        // Just outside the box the panel stays dark: the mark does not spill over its edges.
        EXPECT_LT(stats(b, 338, 8, 342, 25).brightest, 110);
        EXPECT_LT(stats(b, 351, 8, 355, 25).brightest, 110);
        EXPECT_LT(stats(b, 342, 8, 351, 12).brightest, 110);
        EXPECT_LT(stats(b, 342, 21, 351, 25).brightest, 110);
    }
}

TEST(GamePanels, PlayButtonFillsItsBox) {
    for (int n : {107, 108, 109}) {
        SCOPED_TRACE(n);
        BmpFile b = picture(n);
        // The button is orange and bright inside the box, dark panel around it.
        Stats inside = stats(b, 292, 266, 340, 293);
        EXPECT_GT(inside.mean, 120);
        EXPECT_LT(stats(b, 285, 302, 347, 310).mean, 60);
        EXPECT_LT(stats(b, 349, 259, 357, 300).mean, 60);
    }
}

TEST(FishingPanels, ScoreRowsAreLightForNavyText) {
    BmpFile b = picture(110);
    const int rowsTop = 122, rowsBottom = 122 + 13 * 10;
    Stats rows = stats(b, 35, rowsTop, 330, rowsBottom);
    EXPECT_GT(rows.mean, 200) << "navy 8 pt text must read on the rows";
    // Even the darkest pixel under the text columns is far lighter than navy.
    double darkest = 255;
    for (int y = rowsTop; y < rowsBottom; ++y)
        for (int x = 39; x < 330; ++x)
            darkest = std::min(darkest, luminance(b.rgb(x, y)));
    EXPECT_GT(darkest, 120);
}

TEST(GolfPanels, ScoreRowsAreLightForNavyTextAndNumbered) {
    BmpFile b = picture(112);
    const int first = 118, step = 15, rows = 9;
    // The program writes "4 shots" from x 90 on each row.
    Stats written = stats(b, 88, first, 330, first + step * rows);
    EXPECT_GT(written.mean, 200);
    double darkest = 255;
    for (int y = first; y < first + step * rows; ++y)
        for (int x = 88; x < 330; ++x)
            darkest = std::min(darkest, luminance(b.rgb(x, y)));
    EXPECT_GT(darkest, 120);
    // Each row carries its own hole number, dark on the light card, in the column at x 42.
    for (int i = 0; i < rows; ++i) {
        SCOPED_TRACE(i + 1);
        int ink = 0;
        for (int y = first + step * i; y < first + step * (i + 1); ++y)
            for (int x = 40; x < 54; ++x)
                ink += luminance(b.rgb(x, y)) < 150;
        EXPECT_GE(ink, 8);
    }
}

TEST(CaberPanels, ScoreRowsAreLightAndEmptyForTheProgramsNumbersAndResults) {
    BmpFile b = picture(111);
    const int first = 122, step = 26, rows = 3;
    // The program writes the throw's number from x 35 and "No Throw" or the points from x 90.
    for (int i = 0; i < rows; ++i) {
        SCOPED_TRACE(i + 1);
        const int top = first + step * i;
        Stats row = stats(b, 33, top, 330, top + 14);
        EXPECT_GT(row.mean, 200);
        double darkest = 255;
        for (int y = top; y < top + 14; ++y)
            for (int x = 33; x < 330; ++x)
                darkest = std::min(darkest, luminance(b.rgb(x, y)));
        EXPECT_GT(darkest, 150) << "nothing printed where the program writes";
    }
}
