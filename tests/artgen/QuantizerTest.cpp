// Palette reduction of an animation set and the flattening of antialiased edges.
#include "Quantizer.h"
#include "FlatImage.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::uint32_t magenta = 0xFF00FF;

// Premultiplied opaque pixel.
std::uint32_t opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

} // namespace

TEST(FlatImage, CutsAtHalfAlphaAndDarkensEdgesTowardsTheInk) {
    // Premultiplied: 50 % white is 0x80808080, 49 % is 0x7D7D7D7D.
    std::vector<std::uint32_t> pixels = {opaque(0xFFFFFF), 0x80808080u, 0x7D7D7D7Du, 0};
    FlatImage flat(4, 1, pixels, Color::hex(0x143247));
    EXPECT_TRUE(flat.mask().at(0, 0));
    EXPECT_TRUE(flat.mask().at(1, 0));
    EXPECT_FALSE(flat.mask().at(2, 0));
    EXPECT_FALSE(flat.mask().at(3, 0));
    EXPECT_EQ(flat.rgb(0, 0), 0xFFFFFFu);
    // Half white over the ink: about halfway between 0x14,0x32,0x47 and white.
    const std::uint32_t edge = flat.rgb(1, 0);
    EXPECT_NEAR(static_cast<int>(edge >> 16), (0x14 + 0xFF) / 2, 2);
    EXPECT_NEAR(static_cast<int>((edge >> 8) & 0xFF), (0x32 + 0xFF) / 2, 2);
    EXPECT_NEAR(static_cast<int>(edge & 0xFF), (0x47 + 0xFF) / 2, 2);
}

TEST(Quantizer, FewColoursAreKeptExactlyAndBackgroundIsIndexZero) {
    std::vector<std::uint32_t> a = {opaque(0x102030), opaque(0x405060), 0, opaque(0x102030)};
    std::vector<std::uint32_t> b = {0, opaque(0x405060), opaque(0x708090), opaque(0x102030)};
    FlatImage fa(2, 2, a, Color::hex(0)), fb(2, 2, b, Color::hex(0));
    auto out = Quantizer(magenta, Quantizer::Dither::None).quantize({&fa, &fb});
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].palette(), out[1].palette()) << "one palette for the set";
    EXPECT_EQ(out[0].palette()[0], magenta);
    EXPECT_EQ(out[0].at(0, 1), 0);
    EXPECT_EQ(out[1].at(0, 0), 0);
    EXPECT_EQ(out[0].rgb(0, 0), 0x102030u);
    EXPECT_EQ(out[0].rgb(1, 0), 0x405060u);
    EXPECT_EQ(out[1].rgb(0, 1), 0x708090u);
    EXPECT_EQ(out[0].at(0, 0), out[1].at(1, 1)) << "same colour, same index in both frames";
    EXPECT_EQ(out[0].at(1, 0), out[1].at(1, 0));
}

TEST(Quantizer, ManyColoursShareOnePaletteWithStableIndices) {
    // Two frames with a 64 x 64 colour ramp (4096 colours) that differ only in their lower half.
    const int w = 64, h = 64;
    std::vector<std::uint32_t> a, b;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t rgb =
                static_cast<std::uint32_t>(x * 4) << 16 | static_cast<std::uint32_t>(y * 4) << 8 | 0x40;
            a.push_back(opaque(rgb));
            b.push_back(y < h / 2 ? opaque(rgb) : opaque(0xFFFFFF - rgb));
        }
    a[0] = 0; // one background pixel
    FlatImage fa(w, h, a, Color::hex(0)), fb(w, h, b, Color::hex(0));
    auto out = Quantizer(magenta, Quantizer::Dither::None).quantize({&fa, &fb});
    EXPECT_EQ(out[0].palette(), out[1].palette());
    EXPECT_EQ(out[0].at(0, 0), 0);
    for (int i = 1; i < 256; ++i)
        EXPECT_NE(out[0].palette()[static_cast<size_t>(i)], magenta);
    int worst = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x == 0 && y == 0)
                continue;
            ASSERT_NE(out[0].at(x, y), 0) << "a picture pixel never becomes background";
            if (y < h / 2) {
                EXPECT_EQ(out[0].at(x, y), out[1].at(x, y)) << "identical pixels keep their index";
            }
            std::uint32_t want = fa.rgb(x, y), got = out[0].rgb(x, y);
            for (int s = 0; s < 24; s += 8)
                worst = std::max(worst, std::abs(static_cast<int>((want >> s) & 0xFF) -
                                                 static_cast<int>((got >> s) & 0xFF)));
        }
    EXPECT_LE(worst, 24) << "255 colours are enough for a smooth two-axis ramp";
}

TEST(Quantizer, LightDitherStaysCloseAndLeavesBackgroundAlone) {
    const int w = 200, h = 40;
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // A dark vertical gradient with more shades than palette entries, plus a hole.
            std::uint32_t g = static_cast<std::uint32_t>(x + y * 3);
            bool hole = x >= 10 && x < 20 && y >= 10 && y < 20;
            pixels.push_back(hole ? 0 : opaque((g / 4) << 16 | (g / 2) << 8 | (g & 0xFF)));
        }
    FlatImage flat(w, h, pixels, Color::hex(0));
    auto out = Quantizer(magenta, Quantizer::Dither::Light).quantize({&flat});
    long error = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool hole = x >= 10 && x < 20 && y >= 10 && y < 20;
            EXPECT_EQ(out[0].at(x, y) == 0, hole) << x << "," << y;
            if (!hole)
                error += std::abs(static_cast<int>(out[0].rgb(x, y) & 0xFF) -
                                  static_cast<int>(flat.rgb(x, y) & 0xFF));
        }
    EXPECT_LT(static_cast<double>(error) / (w * h), 6.0);
}
