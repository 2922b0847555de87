#include "tamba_util/LinkOpener.h"
#include "support/LinkRecorder.h"
#include "tamba_util/UrlParts.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <objbase.h>
#include <set>
#include <sstream>
#include <string>

using tamba::test::LinkRecorder;
using tamba::util::Path;
using tamba::util::String;
using tamba::util::UrlParts;

namespace {

std::string tempDirectory() {
    char directory[MAX_PATH] = {};
    GetTempPathA(sizeof directory, directory);
    return directory;
}

// The names of the files in the temporary directory that match the pattern.
std::set<std::string> tempFiles(const char* pattern = "*") {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((tempDirectory() + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::set<std::string> added(const std::set<std::string>& before, const std::set<std::string>& after) {
    std::set<std::string> result;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::inserter(result, result.end()));
    return result;
}

std::string contents(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

} // namespace

TEST(UrlParts, SplitsHostPathAndPort) {
    const UrlParts home("https://www.gutenberg.org/");
    EXPECT_STREQ(home.url().c_str(), "https://www.gutenberg.org/");
    EXPECT_STREQ(home.hostName().c_str(), "www.gutenberg.org");
    EXPECT_STREQ(home.urlPath().c_str(), "/");
    EXPECT_EQ(home.port(), 443) << "the scheme's port when none is given";

    const UrlParts other("http://example.org:8080/books/list?page=2");
    EXPECT_STREQ(other.hostName().c_str(), "example.org");
    EXPECT_STREQ(other.urlPath().c_str(), "/books/list?page=2");
    EXPECT_EQ(other.port(), 8080);
}

TEST(UrlParts, RejectedTextKeepsTheUrlOnlyAndCopiesTakeAllFour) {
    UrlParts parts("no address here");
    EXPECT_STREQ(parts.url().c_str(), "no address here");
    EXPECT_EQ(parts.hostName().length(), 0);
    EXPECT_EQ(parts.urlPath().length(), 0);
    EXPECT_EQ(parts.port(), 0);

    const UrlParts original("http://example.org:8080/a");
    parts = original;
    const UrlParts copy(original);
    for (const UrlParts* p : {static_cast<const UrlParts*>(&parts), &copy}) {
        EXPECT_STREQ(p->url().c_str(), "http://example.org:8080/a");
        EXPECT_STREQ(p->hostName().c_str(), "example.org");
        EXPECT_STREQ(p->urlPath().c_str(), "/a");
        EXPECT_EQ(p->port(), 8080);
    }
}

// Two links opened within one millisecond must not share a shortcut: each name is taken by creating its
// file, so two calls in a row give two files.
TEST(TempFileName, TwoCallsInARowGiveTwoNewFiles) {
    const std::set<std::string> before = tempFiles();
    const Path first = tamba::util::tempFileName(".url");
    const Path second = tamba::util::tempFileName(".url");
    const std::string a = first.c_str();
    const std::string b = second.c_str();
    EXPECT_NE(a, b);
    for (const std::string& name : {a, b}) {
        ASSERT_TRUE(startsWith(name, tempDirectory())) << name;
        const std::string file = name.substr(tempDirectory().size());
        EXPECT_TRUE(startsWith(file, "tmp")) << file;
        EXPECT_EQ(file.substr(file.size() - 4), ".url");
        EXPECT_EQ(file.find('\\'), std::string::npos);
        EXPECT_TRUE(exists(name.c_str())) << "the name is held by its own, empty file";
        EXPECT_EQ(contents(name.c_str()), "");
    }
    const std::set<std::string> both = added(before, tempFiles());
    EXPECT_EQ(both.size(), 2u) << "the platform's own temporary files are deleted";

    const std::string other = tamba::util::tempFileName(".txt").c_str();
    EXPECT_EQ(other.substr(other.size() - 4), ".txt");
    for (const std::string& name : {a, b, other})
        DeleteFileA(name.c_str());
}

TEST(InternetShortcut, IsWrittenThroughTheShellsObject) {
    const Path file = tamba::util::tempFileName(".url");
    const HRESULT result = tamba::util::writeInternetShortcut(file, "https://www.gutenberg.org/");
    EXPECT_EQ(result, S_OK);
    ASSERT_TRUE(exists(file.c_str()));
    const std::string text = contents(file.c_str());
    EXPECT_NE(text.find("[InternetShortcut]"), std::string::npos) << text;
    EXPECT_NE(text.find("URL=https://www.gutenberg.org/"), std::string::npos) << text;
    DeleteFileA(file.c_str());

    // COM was set up and taken down again on this thread: a new set-up is the first one.
    const HRESULT again = CoInitialize(nullptr);
    EXPECT_EQ(again, S_OK);
    if (SUCCEEDED(again))
        CoUninitialize();
}

TEST(InternetShortcut, FailedSaveIsReported) {
    const std::string missing = tempDirectory() + "no-such-folder-4242\\link.url";
    const HRESULT result =
        tamba::util::writeInternetShortcut(Path(String(missing.c_str())), "https://example.org/");
    EXPECT_TRUE(FAILED(result)) << std::hex << result;
    EXPECT_FALSE(exists(missing.c_str()));
}

TEST(OpenLink, HandsTheAddressToTheBrowserThroughOneNewShortcut) {
    LinkRecorder recorder;
    if (!recorder.usable())
        GTEST_SKIP() << recorder.whyNot();
    const std::set<std::string> before = tempFiles();

    tamba::util::openLink(nullptr, UrlParts("https://www.gutenberg.org/"));
    ASSERT_TRUE(recorder.waitForAddresses(1, 20000)) << "the browser was never asked";
    EXPECT_EQ(recorder.addresses(), std::vector<std::string>{"https://www.gutenberg.org/"});

    const std::set<std::string> now = added(before, tempFiles());
    ASSERT_EQ(now.size(), 1u) << "one new file and no other";
    const std::string name = *now.begin();
    EXPECT_TRUE(startsWith(name, "tmp")) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".url");
    EXPECT_NE(contents((tempDirectory() + name).c_str()).find("URL=https://www.gutenberg.org/"),
              std::string::npos);

    // A second link: a second shortcut, the first one stays.
    tamba::util::openLink(nullptr, UrlParts("https://www.gutenberg.org/ebooks/"));
    ASSERT_TRUE(recorder.waitForAddresses(2, 20000));
    EXPECT_EQ(recorder.addresses()[1], "https://www.gutenberg.org/ebooks/");
    const std::set<std::string> both = added(before, tempFiles());
    EXPECT_EQ(both.size(), 2u);
    for (const std::string& file : both)
        DeleteFileA((tempDirectory() + file).c_str());
}
