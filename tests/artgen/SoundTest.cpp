// The games' sounds as the generator writes them: files PlaySound takes, each short, quiet and starting at
// once (the games start a sound at the moment it belongs to), all of them small.
#include "ArtDir.h"
#include "Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace {

struct Wave {
    int rate = 0;
    std::vector<int> samples;
};

Wave load(int number) {
    const Bytes b = Bytes::load(ArtDir::file(std::to_string(number) + ".wav"));
    Wave w;
    EXPECT_EQ(b.u32(0), 0x46464952u) << "RIFF";
    EXPECT_EQ(b.u32(4), b.size() - 8);
    EXPECT_EQ(b.u32(8), 0x45564157u) << "WAVE";
    EXPECT_EQ(b.u32(12), 0x20746D66u) << "fmt ";
    EXPECT_EQ(b.u16(20), 1) << "PCM";
    EXPECT_EQ(b.u16(22), 1) << "mono";
    EXPECT_EQ(b.u16(34), 16) << "16-bit";
    w.rate = static_cast<int>(b.u32(24));
    EXPECT_EQ(b.u32(28), static_cast<std::uint32_t>(w.rate * 2));
    EXPECT_EQ(b.u32(36), 0x61746164u) << "data";
    const std::uint32_t bytes = b.u32(40);
    EXPECT_EQ(44 + bytes, b.size());
    for (std::uint32_t i = 0; i + 1 < bytes; i += 2)
        w.samples.push_back(static_cast<std::int16_t>(b.u16(44 + i)));
    return w;
}

} // namespace

TEST(Sounds, EachIsShortQuietAndStartsAtOnce) {
    std::uintmax_t total = 0;
    std::set<std::vector<int>> distinct;
    for (int number = 800; number <= 810; ++number) {
        SCOPED_TRACE(number);
        const Wave w = load(number);
        ASSERT_GT(w.rate, 0);
        ASSERT_FALSE(w.samples.empty());
        EXPECT_LT(w.samples.size(), static_cast<size_t>(w.rate)) << "under a second";
        int peak = 0;
        for (int s : w.samples)
            peak = std::max(peak, std::abs(s));
        // -12 dBFS is a quarter of full scale (32768 / 10^(12/20) = 8231); below -18 dBFS it would be lost.
        EXPECT_LE(peak, 8231) << "peaks at or below -12 dBFS";
        EXPECT_GE(peak, 4125) << "loud enough to hear";
        size_t onset = 0;
        while (onset < w.samples.size() && std::abs(w.samples[onset]) < peak / 4)
            ++onset;
        EXPECT_LT(onset, static_cast<size_t>(w.rate / 20)) << "heard within 50 ms of its start";
        EXPECT_LT(std::abs(w.samples.back()), 100) << "ends without a click";
        distinct.insert(w.samples);
        total += std::filesystem::file_size(ArtDir::file(std::to_string(number) + ".wav"));
    }
    EXPECT_EQ(distinct.size(), 11u) << "eleven different sounds";
    EXPECT_LT(total, 400u * 1024u);
    std::printf("The sounds take %ju bytes\n", total);
}
