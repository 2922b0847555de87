// The RLE8 encoder on hand-made rows and pictures, checked byte for byte where the encoding is forced and
// through the test's own decoder elsewhere.
#include "RleEncoder.h"
#include "BmpFile.h"
#include "IndexedImage.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> row(const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> out;
    RleEncoder::encodeRow(pixels.data(), static_cast<int>(pixels.size()), out);
    return out;
}

IndexedImage picture(int w, int h, const std::vector<std::uint8_t>& pixels) {
    IndexedImage image(w, h, IndexedImage::Palette{});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.set(x, y, pixels[static_cast<size_t>(y) * w + x]);
    return image;
}

} // namespace

TEST(RleEncoderRow, RepeatsBecomeEncodedRuns) {
    EXPECT_EQ(row({5, 5, 5, 5}), (std::vector<std::uint8_t>{4, 5}));
    EXPECT_EQ(row({7}), (std::vector<std::uint8_t>{1, 7}));
    std::vector<std::uint8_t> long300(300, 9);
    EXPECT_EQ(row(long300), (std::vector<std::uint8_t>{255, 9, 45, 9})) << "a run never exceeds 255";
}

TEST(RleEncoderRow, MixedPixelsBecomeAbsoluteRunsPaddedToEvenLength) {
    EXPECT_EQ(row({1, 2, 3}), (std::vector<std::uint8_t>{0, 3, 1, 2, 3, 0}));
    EXPECT_EQ(row({1, 2, 3, 4}), (std::vector<std::uint8_t>{0, 4, 1, 2, 3, 4}));
    EXPECT_EQ(row({1, 2, 3, 3, 3, 3}), (std::vector<std::uint8_t>{1, 1, 1, 2, 4, 3}))
        << "two literals cannot be absolute (counts 1 and 2 are escapes)";
    EXPECT_EQ(row({1, 2}), (std::vector<std::uint8_t>{1, 1, 1, 2}));
}

TEST(RleEncoderRow, LongStretchesSplitWithoutShortAbsoluteTails) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < 256; ++i)
        pixels.push_back(static_cast<std::uint8_t>(i % 2 ? 10 : 20));
    auto out = row(pixels);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 254) << "an even length: Wine misreads the padding after 255";
    // 254 literals, then the last two pixels alone as runs of one.
    ASSERT_EQ(out.size(), 2u + 254u + 2u + 2u);
    EXPECT_EQ(out[256], 1);
    EXPECT_EQ(out[257], pixels[254]);
    EXPECT_EQ(out[259], pixels.back());
}

TEST(RleEncoderPicture, EveryRowEndsAndTheStreamDecodesBackExactly) {
    const int w = 7, h = 4;
    std::vector<std::uint8_t> pixels = {0, 0, 0, 0, 0, 0, 0, //
                                        1, 2, 3, 4, 5, 6, 7, //
                                        9, 9, 1, 9, 9, 9, 2, //
                                        0, 3, 3, 3, 3, 3, 0};
    auto stream = RleEncoder::encode(picture(w, h, pixels));
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[stream.size() - 2], 0);
    EXPECT_EQ(stream.back(), 1) << "ends with end-of-bitmap";
    // The first row in the stream is the bottom row: 0, 3 x5, 0.
    EXPECT_EQ((std::vector<std::uint8_t>(stream.begin(), stream.begin() + 8)),
              (std::vector<std::uint8_t>{1, 0, 5, 3, 1, 0, 0, 0}));
    EXPECT_EQ(BmpFile::decodeRle8(stream, w, h), pixels);
}

TEST(RleEncoderPicture, RandomPicturesRoundTrip) {
    std::uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int trial = 0; trial < 40; ++trial) {
        const int w = 1 + static_cast<int>(next() % 300), h = 1 + static_cast<int>(next() % 5);
        std::vector<std::uint8_t> pixels(static_cast<size_t>(w) * h);
        std::uint8_t v = 0;
        for (auto& p : pixels) {
            // Mostly runs of varying length with scattered singles, like antialiased art.
            if (next() % 4 == 0)
                v = static_cast<std::uint8_t>(next() % 6);
            p = v;
        }
        SCOPED_TRACE(trial);
        EXPECT_EQ(BmpFile::decodeRle8(RleEncoder::encode(picture(w, h, pixels)), w, h), pixels);
    }
}
