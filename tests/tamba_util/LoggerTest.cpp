#include "support/CapturingLogger.h"
#include "tamba_util/ErrorText.h"
#include "tamba_util/Exception.h"
#include "tamba_util/PlatformPath.h"
#include "tamba_util/ProgramContext.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

using tamba::test::CapturingLogger;
using tamba::util::Exception;
using tamba::util::ProgramContext;
using tamba::util::String;

TEST(Exception, MessageEndsWithALineFeed) {
    Exception e(String("Could not create menu"));
    EXPECT_STREQ(e.message().c_str(), "Could not create menu\n");
}

TEST(Logger, LineIsCutToFitTheBuffer) {
    CapturingLogger logger;
    const std::string longText(5000, 'x');
    logger.log("%s", longText.c_str());
    ASSERT_EQ(logger.lines.size(), 1u);
    EXPECT_EQ(logger.lines[0].size(), 2047u);
}

TEST(Logger, PercentSignsInAnArgumentArePrintedAsTheyStand) {
    CapturingLogger logger;
    logger.log("%s", "100% done %d %s\n");
    ASSERT_EQ(logger.lines.size(), 1u);
    EXPECT_EQ(logger.lines[0], "100% done %d %s\n");
}

TEST(Logger, DisabledLoggerWritesNothing) {
    CapturingLogger logger(false);
    logger.log("OS: %s\n", "none");
    EXPECT_TRUE(logger.lines.empty());
}

TEST(ErrorText, RaiseErrorBuildsTheActivityText) {
    const String system = tamba::util::systemMessage(5);
    ASSERT_GT(system.length(), 0);
    try {
        tamba::util::raiseError(5, "Creating Dialog");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        const std::string expected = std::string("Error while Creating Dialog:") + system.c_str() + "\n";
        EXPECT_EQ(e.message().c_str(), expected);
    }
}

TEST(ErrorText, CodeWithoutTextGivesEmptyText) {
    EXPECT_EQ(tamba::util::systemMessage(0x2FFFFFFF).length(), 0);
}

TEST(ProgramContext, LogErrorWritesTheActivityThenTheSystemText) {
    CapturingLogger logger;
    ProgramContext context(logger);
    logger.lines.clear();
    context.logError(2, "Opening startup value");
    ASSERT_EQ(logger.lines.size(), 1u);
    const std::string expected =
        std::string("Error while Opening startup value:\n") + tamba::util::systemMessage(2).c_str();
    EXPECT_EQ(logger.lines[0], expected);
}

TEST(ProgramContext, OsLineFollowsThePlatform) {
    CapturingLogger logger;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwPlatformId = 2;
    version.dwMajorVersion = 5;
    version.dwMinorVersion = 1;
    std::strcpy(version.szCSDVersion, "Service Pack 1");
    ProgramContext::logOsVersion(logger, version);

    version.dwPlatformId = 1;
    version.dwMajorVersion = 9;
    version.dwMinorVersion = 0;
    version.dwBuildNumber = 0x040003B6; // 4.0, build 950
    version.szCSDVersion[0] = '\0';
    ProgramContext::logOsVersion(logger, version);

    version.dwMinorVersion = 10;
    version.dwMajorVersion = 4;
    ProgramContext::logOsVersion(logger, version);

    version.dwPlatformId = 0;
    version.dwMajorVersion = 3;
    version.dwMinorVersion = 11;
    ProgramContext::logOsVersion(logger, version);

    version.dwPlatformId = 7;
    ProgramContext::logOsVersion(logger, version);

    ASSERT_EQ(logger.lines.size(), 5u);
    EXPECT_EQ(logger.lines[0], "OS: Win32 on Windows NT 5.1 Service Pack 1\n");
    EXPECT_EQ(logger.lines[1], "OS: Win32 on Windows 95 4.0 \n");
    EXPECT_EQ(logger.lines[2], "OS: Win32 on Windows 98 4.10 \n");
    EXPECT_EQ(logger.lines[3], "OS: Win32s on Windows 3.1 3.11 \n");
    EXPECT_EQ(logger.lines[4], "OS:  3.11 \n");
}

TEST(ProgramContext, KnowsTheProgramFilePath) {
    CapturingLogger logger;
    ProgramContext context(logger);
    const std::string path = context.modulePath().c_str();
    EXPECT_NE(path.find("LoggerTest.exe"), std::string::npos) << path;
    ASSERT_EQ(logger.lines.size(), 1u);
    EXPECT_EQ(logger.lines[0].rfind("OS: Win32 on Windows NT ", 0), 0u) << logger.lines[0];
}

// A path that fills the buffer or needs more is taken whole, never cut and never unterminated.
TEST(PlatformPath, IsTakenWholeWhateverTheFirstBuffer) {
    const auto module = [](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); };
    const auto temp = [](char* buffer, DWORD size) { return GetTempPathA(size, buffer); };
    const std::string modulePath = tamba::util::platformPath(module).c_str();
    const std::string tempPath = tamba::util::platformPath(temp).c_str();
    ASSERT_NE(modulePath.find("LoggerTest.exe"), std::string::npos) << modulePath;
    ASSERT_EQ(tempPath.back(), '\\') << tempPath;
    for (DWORD size : {DWORD{1}, DWORD{8}, static_cast<DWORD>(modulePath.size())})
        EXPECT_EQ(tamba::util::platformPath(module, size).c_str(), modulePath) << size;
    for (DWORD size : {DWORD{1}, DWORD{4}, static_cast<DWORD>(tempPath.size())})
        EXPECT_EQ(tamba::util::platformPath(temp, size).c_str(), tempPath) << size;
    const auto failing = [](char*, DWORD) { return DWORD{0}; };
    EXPECT_STREQ(tamba::util::platformPath(failing).c_str(), "");
}
