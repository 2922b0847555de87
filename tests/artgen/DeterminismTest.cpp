// Two runs of the generator must write the same files byte for byte, or every build would look like a
// change to the resources.
#include "ArtDir.h"
#include "Bytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace {

std::map<std::string, std::vector<std::uint8_t>> filesIn(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() != ".stamp")
            files[entry.path().filename().string()] = Bytes::load(entry.path().string()).data();
    return files;
}

std::map<std::string, std::vector<std::uint8_t>> generate(const std::string& dir) {
    std::string command = std::string("\"") + ARTGEN_EXE + "\" \"" + dir + "/out\" > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return filesIn(dir + "/out");
}

} // namespace

// A fresh run beside the run whose files the other tests read (the build's, or one of their own).
TEST(Determinism, TwoRunsWriteIdenticalFiles) {
    TempDir fresh;
    auto a = generate(fresh.path());
    auto b = filesIn(ArtDir::path());
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.count("200.bmp"), 1u) << "the output folder is created and filled";
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_EQ(b.count(name), 1u) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
    }
}
