// Reads back every generated file with the test's own readers and checks what Windows and the program
// rely on: file formats, sizes by number, outlines that match the bitmaps.
#include "ArtDir.h"
#include "BmpFile.h"
#include "Expected.h"
#include "RgnFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

namespace {

std::string bmpName(int n) {
    return ArtDir::file(std::to_string(n) + ".bmp");
}
std::string rgnName(int n) {
    return ArtDir::file(std::to_string(n) + ".rgn");
}

// Every picture at every display scale: the 100 % number and size, and the number and size drawn.
struct Drawn {
    Expected::Picture base;
    int number;
    int width;
    int height;
};

std::vector<Drawn> everyScale() {
    std::vector<Drawn> all;
    for (int k = 0; k < ArtDir::scales; ++k)
        for (const auto& p : Expected::pictures())
            all.push_back(
                {p, ArtDir::numberAt(p.number, k), ArtDir::scaled(p.width, k), ArtDir::scaled(p.height, k)});
    return all;
}

} // namespace

TEST(Bitmaps, HeadersDescribeBottomUpRle8With256ColoursAtEveryScale) {
    for (const Drawn& p : everyScale()) {
        SCOPED_TRACE(p.number);
        Bytes bytes = Bytes::load(bmpName(p.number));
        BmpFile bmp(bytes);
        EXPECT_EQ(bmp.fileSizeField, bytes.size());
        EXPECT_EQ(bmp.dataOffset, 14u + 40u + 256u * 4u);
        EXPECT_EQ(bmp.dataOffset + bmp.imageSize, bytes.size());
        EXPECT_EQ(bmp.infoSize, 40u);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.bitCount, 8);
        EXPECT_EQ(bmp.compression, 1u) << "BI_RLE8";
        EXPECT_GT(bmp.heightField, 0) << "bottom-up";
        EXPECT_EQ(bmp.coloursUsed, 256u);
        EXPECT_EQ(bmp.width(), p.width);
        EXPECT_EQ(bmp.height(), p.height);
        // RLE must actually pay off for these flat pictures; in the 16 by 16 ball every row is all edges.
        if (p.width * p.height > 16 * 16) {
            EXPECT_LT(bmp.imageSize, static_cast<std::uint32_t>(p.width * p.height));
        }
    }
}

TEST(Bitmaps, BackgroundColourIsUniqueToIndexZero) {
    for (const auto& p : Expected::pictures()) {
        SCOPED_TRACE(p.number);
        BmpFile bmp = BmpFile::load(bmpName(p.number));
        for (int i = 1; i < 256; ++i)
            EXPECT_NE(bmp.palette()[i], bmp.palette()[0]) << "entry " << i;
    }
}

TEST(Bitmaps, PanelsWithoutOutlineAreFullyPainted) {
    for (int n : {103, 107, 109, 110, 112, 221, 222, 223}) {
        SCOPED_TRACE(n);
        BmpFile bmp = BmpFile::load(bmpName(n));
        int background = 0;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                background += bmp.index(x, y) == 0;
        EXPECT_EQ(background, 0);
    }
}

TEST(Regions, HeaderAndSizeFollowRgndata) {
    for (const auto& p : Expected::pictures()) {
        SCOPED_TRACE(p.number);
        if (!p.region) {
            EXPECT_FALSE(std::filesystem::exists(rgnName(p.number)));
            continue;
        }
        RgnFile rgn = RgnFile::load(rgnName(p.number));
        EXPECT_EQ(rgn.headerSize, 32u);
        EXPECT_EQ(rgn.type, 1u);
        EXPECT_EQ(rgn.rgnSize, 16u * rgn.count);
        EXPECT_EQ(rgn.fileSize, 32u + 16u * rgn.count);
    }
}

TEST(Regions, RectanglesFormOrderedBandsInsideThePicture) {
    for (const Drawn& p : everyScale()) {
        if (!p.base.region)
            continue;
        SCOPED_TRACE(p.number);
        RgnFile rgn = RgnFile::load(rgnName(p.number));
        if (p.base.number == 421)
            continue; // the empty frame, checked on its own
        ASSERT_GT(rgn.count, 0u);
        RgnFile::Rect bound = rgn.rects.front();
        for (size_t i = 0; i < rgn.rects.size(); ++i) {
            const auto& r = rgn.rects[i];
            EXPECT_LT(r.left, r.right);
            EXPECT_LT(r.top, r.bottom);
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, p.width);
            EXPECT_LE(r.bottom, p.height);
            bound = {std::min(bound.left, r.left), std::min(bound.top, r.top), std::max(bound.right, r.right),
                     std::max(bound.bottom, r.bottom)};
            if (i == 0)
                continue;
            const auto& q = rgn.rects[i - 1];
            if (q.top == r.top) {
                EXPECT_EQ(q.bottom, r.bottom) << "same band, same bottom";
                EXPECT_LE(q.right, r.left) << "ordered by left, not overlapping";
            } else {
                EXPECT_GE(r.top, q.bottom) << "bands ordered by top and disjoint";
            }
        }
        EXPECT_EQ(rgn.bound.left, bound.left);
        EXPECT_EQ(rgn.bound.top, bound.top);
        EXPECT_EQ(rgn.bound.right, bound.right);
        EXPECT_EQ(rgn.bound.bottom, bound.bottom);
    }
}

TEST(Regions, EqualTheBitmapMaskExactlyAtEveryScale) {
    for (const Drawn& p : everyScale()) {
        if (!p.base.region)
            continue;
        SCOPED_TRACE(p.number);
        BmpFile bmp = BmpFile::load(bmpName(p.number));
        RgnFile rgn = RgnFile::load(rgnName(p.number));
        int mismatches = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                mismatches += (bmp.index(x, y) != 0) != rgn.contains(x, y);
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(Regions, SplashPanelsAreOneRectangle) {
    for (int n : {221, 222, 223}) {
        SCOPED_TRACE(n);
        RgnFile rgn = RgnFile::load(rgnName(n));
        ASSERT_EQ(rgn.count, 1u);
        EXPECT_EQ(rgn.rects[0].left, 0);
        EXPECT_EQ(rgn.rects[0].top, 0);
        EXPECT_EQ(rgn.rects[0].right, 501);
        EXPECT_EQ(rgn.rects[0].bottom, 316);
    }
}

TEST(Regions, IdleFramesShowTheCharacterNotTheWholeBox) {
    for (int n : {200, 201, 202}) {
        SCOPED_TRACE(n);
        BmpFile bmp = BmpFile::load(bmpName(n));
        long inside = 0;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                inside += bmp.index(x, y) != 0;
        const long all = 83L * 120L;
        EXPECT_GT(inside, all / 5);
        EXPECT_LT(inside, all * 3 / 4);
        // The water ring reaches both sides and the bottom; the corners above it are empty.
        EXPECT_EQ(bmp.index(0, 0), 0);
        EXPECT_EQ(bmp.index(82, 0), 0);
        EXPECT_NE(bmp.index(41, 117), 0);
    }
}

namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
    void add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
    }
};

Box differences(const BmpFile& a, const BmpFile& b) {
    Box box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.index(x, y) != b.index(x, y) || a.rgb(x, y) != b.rgb(x, y))
                box.add(x, y);
    return box;
}

} // namespace

TEST(Animation, SetsShareOnePalette) {
    for (const auto& set : std::vector<std::vector<int>>{{200, 201, 202}, {221, 222, 223}}) {
        BmpFile first = BmpFile::load(bmpName(set[0]));
        for (size_t i = 1; i < set.size(); ++i)
            EXPECT_EQ(BmpFile::load(bmpName(set[i])).palette(), first.palette()) << set[i];
    }
}

TEST(Animation, BlinkChangesOnlyTheEyes) {
    BmpFile open = BmpFile::load(bmpName(200));
    BmpFile closed = BmpFile::load(bmpName(201));
    Box box = differences(open, closed);
    ASSERT_FALSE(box.empty()) << "the eyes must close";
    // The eyes sit on top of the head, in the upper quarter and the middle of the frame.
    EXPECT_GE(box.top, 4);
    EXPECT_LE(box.bottom, 32);
    EXPECT_GE(box.left, 16);
    EXPECT_LE(box.right, 54);
    EXPECT_LE((box.right - box.left) * (box.bottom - box.top), 34 * 26);

    BmpFile splashOpen = BmpFile::load(bmpName(221));
    BmpFile splashClosed = BmpFile::load(bmpName(222));
    Box big = differences(splashOpen, splashClosed);
    ASSERT_FALSE(big.empty());
    EXPECT_LE((big.right - big.left) * (big.bottom - big.top), 90 * 70);
    EXPECT_LE(big.right, 250) << "only the character blinks, not the badge or the title";
}

TEST(Animation, HeadTurnKeepsNeckAndWater) {
    BmpFile rest = BmpFile::load(bmpName(200));
    BmpFile turned = BmpFile::load(bmpName(202));
    Box box = differences(rest, turned);
    ASSERT_FALSE(box.empty());
    EXPECT_LE(box.bottom, 50) << "rows below the head must not change";
}

TEST(ResourceScript, ListsExactlyTheGeneratedFiles) {
    std::ifstream rc(ARTGEN_RC);
    ASSERT_TRUE(rc) << ARTGEN_RC;
    const std::regex line(R"(^\s*(\d+)\s+(BITMAP|REGION|CURSOR|ICON|WAVE)\s+"([^"]+)\"\s*$)");
    std::set<std::string> listed;
    std::string text;
    while (std::getline(rc, text)) {
        if (text.empty() || text.rfind("//", 0) == 0)
            continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, line)) << text;
        const std::string number = m[1], type = m[2], file = m[3];
        EXPECT_TRUE(std::filesystem::exists(ArtDir::file(file))) << file;
        EXPECT_TRUE(listed.insert(file).second) << "listed twice: " << file;
        if (type == "BITMAP" || type == "REGION") {
            EXPECT_EQ(file, number + (type == "BITMAP" ? ".bmp" : ".rgn"));
        }
        if (type == "CURSOR") {
            EXPECT_EQ(std::filesystem::path(file).extension(), ".cur");
        }
        if (type == "ICON") {
            EXPECT_EQ(std::filesystem::path(file).extension(), ".ico");
        }
        if (type == "WAVE") {
            EXPECT_EQ(file, number + ".wav");
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(ArtDir::path())) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".bmp" || ext == ".rgn" || ext == ".cur" || ext == ".ico" || ext == ".wav") {
            EXPECT_EQ(listed.count(entry.path().filename().string()), 1u)
                << "not in the script: " << entry.path();
        }
    }
    for (const auto& p : Expected::pictures()) {
        EXPECT_EQ(listed.count(std::to_string(p.number) + ".bmp"), 1u) << p.number;
        EXPECT_EQ(listed.count(std::to_string(p.number) + ".rgn"), p.region ? 1u : 0u) << p.number;
    }
}

TEST(Fish, MirroredFramesFaceTheOtherWay) {
    // 306-311 are 300-305 facing left: the silhouette is the mirror image up to a few edge pixels that
    // the rasteriser rounds differently; the colours need not mirror (the light stays upper left).
    for (int n = 300; n <= 305; ++n) {
        SCOPED_TRACE(n);
        BmpFile right = BmpFile::load(bmpName(n));
        BmpFile left = BmpFile::load(bmpName(n + 6));
        int mismatches = 0;
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 37; ++x)
                mismatches += (right.index(x, y) != 0) != (left.index(36 - x, y) != 0);
        EXPECT_LE(mismatches, 6);
    }
}

TEST(Fish, KindsHaveDistinctSilhouettesAndTheTailFlicks) {
    auto mask = [](int n) {
        BmpFile bmp = BmpFile::load(bmpName(n));
        std::vector<bool> m;
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 37; ++x)
                m.push_back(bmp.index(x, y) != 0);
        return m;
    };
    auto distance = [](const std::vector<bool>& a, const std::vector<bool>& b) {
        int d = 0;
        for (size_t i = 0; i < a.size(); ++i)
            d += a[i] != b[i];
        return d;
    };
    const auto k0 = mask(300), k1 = mask(302), k2 = mask(304);
    EXPECT_GT(distance(k0, k1), 80);
    EXPECT_GT(distance(k1, k2), 80);
    EXPECT_GT(distance(k0, k2), 80);
    for (int n : {300, 302, 304}) {
        SCOPED_TRACE(n);
        const auto still = mask(n), flicked = mask(n + 1);
        EXPECT_GT(distance(still, flicked), 8) << "the tail moves";
        // ... and nothing else: every changed pixel lies in the back part, where the tail is.
        int rightmost = -1;
        for (size_t i = 0; i < still.size(); ++i)
            if (still[i] != flicked[i])
                rightmost = std::max(rightmost, static_cast<int>(i % 37));
        EXPECT_LT(rightmost, 16);
    }
}

TEST(Island, SitsOnThePictureBottomEdge) {
    for (int n : {100, 101, 102}) {
        SCOPED_TRACE(n);
        RgnFile rgn = RgnFile::load(rgnName(n));
        EXPECT_EQ(rgn.bound.bottom, 206);
        EXPECT_LE(rgn.bound.left, 4) << "the water ring spans the width";
        EXPECT_GE(rgn.bound.right, 258);
    }
}

TEST(Island, CharacterAndFlagAreAddedOnTopOfTheSameIsland) {
    BmpFile alone = BmpFile::load(bmpName(100));
    BmpFile flag = BmpFile::load(bmpName(101));
    BmpFile standing = BmpFile::load(bmpName(102));
    auto shown = [](const BmpFile& b) {
        long n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += b.index(x, y) != 0;
        return n;
    };
    EXPECT_GT(shown(standing), shown(alone) + 1000) << "the character adds to the outline";
    EXPECT_GT(shown(flag), shown(standing) + 500) << "and the flag adds more";
    // Everything of the bare island is still part of the other two outlines.
    for (int y = 0; y < 206; ++y)
        for (int x = 0; x < 262; ++x)
            if (alone.index(x, y) != 0) {
                ASSERT_NE(standing.index(x, y), 0) << x << "," << y;
                ASSERT_NE(flag.index(x, y), 0) << x << "," << y;
            }
}
