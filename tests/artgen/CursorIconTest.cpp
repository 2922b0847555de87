// The cursor and the icon, read back as Windows reads .cur and .ico files.
#include "ArtDir.h"
#include "Bytes.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Reads bit x of row y (top row first) of a bottom-up 1-bit AND mask starting at 'at'.
bool andBit(const Bytes& b, std::size_t at, int width, int height, int x, int y) {
    const int stride = ((width + 31) / 32) * 4;
    return (b.u8(at + static_cast<std::size_t>(height - 1 - y) * stride + x / 8) >> (7 - x % 8)) & 1;
}

} // namespace

TEST(Cursor, IsASingle32By32ImageWithItsHotspotOnTheFingertip) {
    Bytes cur = Bytes::load(ArtDir::file("100.cur"));
    ASSERT_GE(cur.size(), 22u);
    EXPECT_EQ(cur.u16(0), 0);
    EXPECT_EQ(cur.u16(2), 2) << "type 2 is a cursor";
    ASSERT_EQ(cur.u16(4), 1);
    EXPECT_EQ(cur.u8(6), 32);
    EXPECT_EQ(cur.u8(7), 32);
    const int hotX = cur.u16(10), hotY = cur.u16(12);
    const std::uint32_t bytes = cur.u32(14), offset = cur.u32(18);
    EXPECT_EQ(offset, 22u);
    EXPECT_EQ(offset + bytes, cur.size());

    EXPECT_EQ(cur.u32(offset), 40u);
    EXPECT_EQ(cur.i32(offset + 4), 32);
    EXPECT_EQ(cur.i32(offset + 8), 64) << "XOR and AND halves";
    EXPECT_EQ(cur.u16(offset + 12), 1);
    const int bpp = cur.u16(offset + 14);
    ASSERT_TRUE(bpp == 1 || bpp == 4 || bpp == 8) << bpp;
    const std::uint32_t colours = cur.u32(offset + 32) ? cur.u32(offset + 32) : (1u << bpp);
    const std::size_t xorBytes = static_cast<std::size_t>(((32 * bpp + 31) / 32) * 4) * 32;
    const std::size_t andAt = offset + 40 + colours * 4 + xorBytes;
    EXPECT_EQ(andAt + 4 * 32, cur.size());

    // The hotspot is on the hand; the hand is above and to the right of it, not above it.
    ASSERT_LT(hotX, 32);
    ASSERT_LT(hotY, 32);
    EXPECT_FALSE(andBit(cur, andAt, 32, 32, hotX, hotY)) << "hotspot on an opaque pixel";
    for (int y = 0; y < hotY; ++y)
        EXPECT_TRUE(andBit(cur, andAt, 32, 32, hotX, y)) << "nothing above the fingertip, row " << y;
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            opaque += !andBit(cur, andAt, 32, 32, x, y);
    EXPECT_GT(opaque, 150);
    EXPECT_LT(opaque, 700);
    EXPECT_TRUE(andBit(cur, andAt, 32, 32, 31, 0)) << "corner is transparent";
}

TEST(Icon, Holds32And16PixelImages) {
    Bytes ico = Bytes::load(ArtDir::file("fleeba.ico"));
    EXPECT_EQ(ico.u16(0), 0);
    EXPECT_EQ(ico.u16(2), 1) << "type 1 is an icon";
    const int count = ico.u16(4);
    ASSERT_GE(count, 2);
    std::set<int> sizes;
    std::size_t end = 6 + 16 * static_cast<std::size_t>(count);
    for (int i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
        const int w = ico.u8(e), h = ico.u8(e + 1);
        SCOPED_TRACE(w);
        EXPECT_EQ(w, h);
        sizes.insert(w);
        const std::uint32_t bytes = ico.u32(e + 8), offset = ico.u32(e + 12);
        EXPECT_GE(offset, end) << "images follow the directory in order";
        end = offset + bytes;
        ASSERT_LE(end, ico.size());
        EXPECT_EQ(ico.u32(offset), 40u);
        EXPECT_EQ(ico.i32(offset + 4), w);
        EXPECT_EQ(ico.i32(offset + 8), 2 * h);
        const int bpp = ico.u16(offset + 14);
        ASSERT_TRUE(bpp == 32 || bpp == 8) << bpp;
        EXPECT_EQ(ico.u16(e + 6), bpp);
        const std::size_t palette = bpp == 8 ? 1024 : 0;
        const std::size_t xorBytes = static_cast<std::size_t>(w) * h * bpp / 8;
        const std::size_t andAt = offset + 40 + palette + xorBytes;
        EXPECT_EQ(andAt + static_cast<std::size_t>(((w + 31) / 32) * 4) * h, end);
        int opaque = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                opaque += !andBit(ico, andAt, w, h, x, y);
        EXPECT_GT(opaque, w * h / 4) << "the head fills a good part of the square";
        EXPECT_LT(opaque, w * h * 9 / 10);
        if (bpp == 32) {
            // Fully transparent where the AND mask says so.
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    std::size_t px = offset + 40 + (static_cast<std::size_t>(h - 1 - y) * w + x) * 4;
                    if (andBit(ico, andAt, w, h, x, y)) {
                        EXPECT_LT(ico.u8(px + 3), 128) << x << "," << y;
                    } else {
                        EXPECT_GE(ico.u8(px + 3), 128) << x << "," << y;
                    }
                }
        }
    }
    EXPECT_EQ(end, ico.size());
    EXPECT_EQ(sizes.count(32), 1u);
    EXPECT_EQ(sizes.count(16), 1u);
}
