// Starts the real program as a debuggee and checks how it starts and ends.
#include "support/DebuggedProcess.h"
#include "support/TestEnvironment.h"

#include "res/version.h"

#include <gtest/gtest.h>

using tamba::test::DebuggedProcess;

using tamba::test::waitForWindow;

TEST(ProgramStart, LogsItsVersionThenTheSystemTwiceAndEndsWithZeroWhenItsWindowIsClosed) {
    DebuggedProcess program("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.started());
    HWND main = waitForWindow("Fleeba", 20000);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));

    ASSERT_TRUE(program.waitForLine([](const std::string& l) { return l.rfind("OS: ", 0) == 0; }, 5000));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(20000), 0u);

    const auto lines = program.lines();
    ASSERT_GE(lines.size(), 3u);
    // The version the program names is the one its file shows in Properties, both the project's.
    EXPECT_EQ(lines[0],
              "Fleeba " + tamba::test::versionText(tamba::test::programPath(), "ProductVersion") + "\n");
    EXPECT_EQ(lines[0], "Fleeba " FLEEBA_VERSION "\n");
    EXPECT_EQ(tamba::test::versionText(tamba::test::programPath(), "FileVersion"), FLEEBA_VERSION ".0");
    EXPECT_EQ(lines[1].rfind("OS: Win32 on Windows NT ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[1].back(), '\n');
    EXPECT_EQ(lines[1], lines[2]);
}
