// The Options dialog of the real program, worked with the mouse and keys: the start-up value it writes
// and deletes, as the registry tool shows it, and the character leaving the top-most band.
#include "support/DebuggedProcess.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include "res/resource.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using tamba::test::DebuggedProcess;
using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::visibleMenu;
using tamba::test::visibleWindowsOf;

namespace {

const char* const runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const valueName = "Fleeba Desktop Toy";

struct CommandResult {
    DWORD exitCode = STILL_ACTIVE;
    std::string output;
};

// Runs a console program of the prefix and collects what it prints.
CommandResult runCommand(std::string commandLine) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CommandResult result;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            result.output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 10000);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return result;
}

CommandResult queryStartupValue() {
    return runCommand(std::string("reg.exe query \"HKCU\\") + runKey + "\" /v \"" + valueName + "\"");
}

void deleteStartupValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, valueName);
        RegCloseKey(key);
    }
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The program, started and past its splash panel, with the character on the screen.
struct RunningProgram {
    std::unique_ptr<DebuggedProcess> process;
    HWND character = nullptr;
};

void start(RunningProgram& program) {
    program.process = std::make_unique<DebuggedProcess>("\"" + tamba::test::programPath() + "\"");
    ASSERT_TRUE(program.process->started());
    program.character = tamba::test::characterOf(program.process->processId());
    ASSERT_NE(program.character, nullptr) << "the character never appeared";
}

// Right-click on the character, then the menu's Options entry by its key.
HWND openOptions(RunningProgram& program) {
    POINT at;
    if (!pointInOutline(program.character, at))
        return nullptr;
    RealInput::rightClick(at.x, at.y);
    if (!pumpUntil([] { return visibleMenu() != nullptr; }, 3000))
        return nullptr;
    RealInput::key('O');
    HWND dialog = nullptr;
    pumpUntil([&] { return (dialog = tamba::test::dialogOf(program.process->processId())) != nullptr; },
              5000);
    return dialog;
}

// A check box is clicked on its square, at the left end; a button in its middle.
void clickControl(HWND dialog, int id, bool checkBox) {
    const RECT rect = rectOf(GetDlgItem(dialog, id));
    const int y = (rect.top + rect.bottom) / 2;
    RealInput::click(checkBox ? rect.left + 6 : (rect.left + rect.right) / 2, y);
    RealInput::settle(150);
}

bool ticked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool topmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void closeWith(HWND dialog, int button) {
    clickControl(dialog, button, false);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000));
}

void quit(RunningProgram& program) {
    PostMessageA(FindWindowA("TambaGuiCustomWindow", "Fleeba"), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.process->waitForExit(10000), 0u);
}

} // namespace

TEST(Options, StartupValueAndOnTopThroughTheDialog) {
    deleteStartupValue();
    char fullPath[MAX_PATH] = {};
    GetFullPathNameA(tamba::test::programPath().c_str(), MAX_PATH, fullPath, nullptr);

    RunningProgram first;
    ASSERT_NO_FATAL_FAILURE(start(first));
    HWND dialog = openOptions(first);
    ASSERT_NE(dialog, nullptr) << "no Options dialog";
    const RECT rect = rectOf(dialog);
    EXPECT_EQ(rect.left, 331);
    EXPECT_EQ(rect.top, 226);
    EXPECT_EQ(rect.right - rect.left, 362);
    EXPECT_EQ(rect.bottom - rect.top, 316);
    EXPECT_TRUE(topmost(dialog));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_PLAY_SOUNDS)));
    EXPECT_TRUE(ticked(dialog, IDC_PLAY_SOUNDS)) << "sounds are on by default";
    EXPECT_FALSE(ticked(dialog, IDC_RUN_ON_STARTUP)) << "no start-up value yet";
    EXPECT_TRUE(ticked(dialog, IDC_ON_TOP));

    // Tick Run on startup, OK: the value holds the quoted program path.
    clickControl(dialog, IDC_RUN_ON_STARTUP, true);
    EXPECT_TRUE(ticked(dialog, IDC_RUN_ON_STARTUP));
    ASSERT_NO_FATAL_FAILURE(closeWith(dialog, IDOK));
    CommandResult query = queryStartupValue();
    EXPECT_EQ(query.exitCode, 0u) << query.output;
    EXPECT_NE(query.output.find(valueName), std::string::npos) << query.output;
    EXPECT_NE(lowered(query.output).find(lowered(std::string("\"") + fullPath + "\"")), std::string::npos)
        << query.output << " lacks \"" << fullPath << "\"";
    ASSERT_NO_FATAL_FAILURE(quit(first));

    // The next start finds the value: the box opens ticked. Cancel after clearing it changes nothing.
    RunningProgram second;
    ASSERT_NO_FATAL_FAILURE(start(second));
    dialog = openOptions(second);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(ticked(dialog, IDC_RUN_ON_STARTUP));
    clickControl(dialog, IDC_RUN_ON_STARTUP, true);
    clickControl(dialog, IDC_ON_TOP, true);
    ASSERT_NO_FATAL_FAILURE(closeWith(dialog, IDCANCEL));
    EXPECT_EQ(queryStartupValue().exitCode, 0u) << "Cancel deleted the value";
    EXPECT_TRUE(topmost(second.character));

    // Clear it and Show on top, OK: the value is gone and the character leaves the top-most band.
    dialog = openOptions(second);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(ticked(dialog, IDC_RUN_ON_STARTUP)) << "Cancel changed the setting";
    EXPECT_TRUE(ticked(dialog, IDC_ON_TOP));
    clickControl(dialog, IDC_RUN_ON_STARTUP, true);
    clickControl(dialog, IDC_ON_TOP, true);
    EXPECT_FALSE(ticked(dialog, IDC_RUN_ON_STARTUP));
    EXPECT_FALSE(ticked(dialog, IDC_ON_TOP));
    ASSERT_NO_FATAL_FAILURE(closeWith(dialog, IDOK));
    query = queryStartupValue();
    EXPECT_NE(query.exitCode, 0u) << "the value is still there: " << query.output;
    EXPECT_TRUE(pumpUntil([&] { return !topmost(second.character); }, 3000));
    // The idle animation goes on, out of the band.
    RealInput::settle(1500);
    EXPECT_FALSE(topmost(second.character));
    EXPECT_TRUE(IsWindowVisible(second.character));
    ASSERT_NO_FATAL_FAILURE(quit(second));
    deleteStartupValue();
}
