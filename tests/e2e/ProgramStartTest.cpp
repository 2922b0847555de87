// Starts the real program as a debuggee and checks how it starts and ends.
#include "support/DebuggedProcess.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using tamba::test::DebuggedProcess;

using tamba::test::waitForWindow;

TEST(ProgramStart, LogsTheSystemTwiceAndEndsWithZeroWhenItsWindowIsClosed) {
    DebuggedProcess program("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.started());
    HWND main = waitForWindow("Fleeba", 20000);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));

    ASSERT_TRUE(program.waitForLine([](const std::string& l) { return l.rfind("OS: ", 0) == 0; }, 5000));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(20000), 0u);

    const auto lines = program.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("OS: Win32 on Windows NT ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[0].back(), '\n');
    EXPECT_EQ(lines[0], lines[1]);
}
