// The installer made by the build, run as a user would in a prefix of its own (scripts/own-prefix.sh): a
// silent install; the toy started from its Start-menu shortcut, with "Run on startup" ticked in its Options;
// the same installer run again over the running toy; an uninstall refused while a toy will not close; the
// uninstall of a running toy, after which nothing of it is left; and a Run value of another copy kept.
#include "app/CustomWindow.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include "res/resource.h"
#include "res/version.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <shlobj.h>
#include <string>
#include <tlhelp32.h>

using tamba::test::pointInOutline;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::versionText;
using tamba::test::visibleMenu;
using tamba::test::visibleWindowsOf;

namespace {

const char* const uninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Fleeba";
const char* const runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const runValue = "Fleeba Desktop Toy";
const char* const settingsKey = "Software\\Fleeba";
// What the installer and uninstaller answer when a running toy would not close.
const DWORD toyStillRunning = 2;

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string folder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string installDir() {
    return folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Fleeba";
}

std::string installedProgram() {
    return installDir() + "\\fleeba.exe";
}

std::string shortcut() {
    return folder(CSIDL_PROGRAMS) + "\\Fleeba.lnk";
}

std::string installer() {
    return tamba::test::executableDirectory() + "..\\packages\\" FLEEBA_INSTALLER_NAME;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Value {
    bool found = false;
    DWORD type = REG_NONE;
    std::string text;
    DWORD number = 0;
};

Value readValue(const char* keyName, const char* name) {
    Value value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) ==
        ERROR_SUCCESS) {
        value.found = true;
        if (value.type == REG_DWORD)
            std::memcpy(&value.number, data, sizeof value.number);
        else
            value.text = data;
    }
    RegCloseKey(key);
    return value;
}

bool keyExists(const char* keyName) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void setRunValue(const std::string& text) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, runKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(key, runValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void deleteRunValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, runValue);
        RegCloseKey(key);
    }
}

// An earlier run that stopped half-way may have left an installed toy behind: this user starts without one.
void forgetEarlierRuns() {
    for (const char* file : {"fleeba.exe", "uninstall.exe", "README.txt", "LICENSE.txt"})
        DeleteFileA((installDir() + "\\" + file).c_str());
    RemoveDirectoryA(installDir().c_str());
    DeleteFileA(shortcut().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, uninstallKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKey);
    deleteRunValue();
}

// Waits for a process, handling this process's messages meanwhile; its exit code, or STILL_ACTIVE.
DWORD exitCodeOf(HANDLE process, DWORD timeoutMs) {
    pumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

DWORD run(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "could not start " << commandLine;
        return STILL_ACTIVE;
    }
    const DWORD code = exitCodeOf(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::string shortcutTarget(const std::string& path) {
    std::string target;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t widePath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
        char buffer[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(widePath, STGM_READ)) &&
            SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = buffer;
        file->Release();
    }
    link->Release();
    return target;
}

std::set<std::string> tempEntries() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return tamba::test::filesMatching(std::string(temp) + "*");
}

// How many processes run the program, whichever copy.
int runningToys() {
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 process = {};
    process.dwSize = sizeof process;
    for (BOOL more = Process32First(snapshot, &process); more; more = Process32Next(snapshot, &process))
        if (lowered(process.szExeFile) == "fleeba.exe")
            ++count;
    CloseHandle(snapshot);
    return count;
}

// A running toy, started as the user starts it.
struct Toy {
    HANDLE process = nullptr;
    DWORD id = 0;
    HWND character = nullptr;

    ~Toy() {
        if (process == nullptr)
            return;
        if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0)
            TerminateProcess(process, 1);
        CloseHandle(process);
    }
};

void startFromShortcut(Toy& toy) {
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = "open";
    const std::string link = shortcut();
    execute.lpFile = link.c_str();
    execute.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&execute)) << GetLastError();
    // The shell need not say which process it started: the toy is known by its hidden window.
    if (execute.hProcess != nullptr)
        CloseHandle(execute.hProcess);
    HWND main = tamba::test::waitForWindow("Fleeba", 20000);
    ASSERT_NE(main, nullptr) << "the toy did not start";
    GetWindowThreadProcessId(main, &toy.id);
    toy.process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, toy.id);
    ASSERT_NE(toy.process, nullptr);
    char image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameA(toy.process, 0, image, &size));
    EXPECT_EQ(lowered(image), lowered(installedProgram()));
    // The splash panel first, for some seconds, then the character.
    toy.character = tamba::test::characterOf(toy.id);
    ASSERT_NE(toy.character, nullptr) << "the character never appeared";
}

bool ticked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A check box is clicked on its square, at the left end; a button in its middle.
void clickControl(HWND dialog, int id, bool checkBox) {
    const RECT rect = rectOf(GetDlgItem(dialog, id));
    RealInput::click(checkBox ? rect.left + 6 : (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    RealInput::settle(150);
}

// Through the character's menu: "Run on startup" ticked and the sounds turned off, then OK.
void runOnStartupWithoutSounds(const Toy& toy) {
    POINT at;
    ASSERT_TRUE(pointInOutline(toy.character, at));
    RealInput::rightClick(at.x, at.y);
    ASSERT_TRUE(pumpUntil([] { return visibleMenu() != nullptr; }, 3000)) << "no menu";
    RealInput::key('O');
    HWND dialog = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (dialog = tamba::test::dialogOf(toy.id)) != nullptr; }, 5000))
        << "no Options";
    ASSERT_FALSE(ticked(dialog, IDC_RUN_ON_STARTUP));
    ASSERT_TRUE(ticked(dialog, IDC_PLAY_SOUNDS));
    clickControl(dialog, IDC_RUN_ON_STARTUP, true);
    clickControl(dialog, IDC_PLAY_SOUNDS, true);
    EXPECT_TRUE(ticked(dialog, IDC_RUN_ON_STARTUP));
    EXPECT_FALSE(ticked(dialog, IDC_PLAY_SOUNDS));
    clickControl(dialog, IDOK, false);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000));
}

// A toy that will not close: the program's window class and title, deaf to WM_CLOSE.
class StubbornToy : public tamba::app::CustomWindow {
public:
    StubbornToy() : CustomWindow("Fleeba", 0, WS_OVERLAPPEDWINDOW, 0, 0, 50, 50) {}
    bool onClose() override { return false; }
};

std::string quotedProgram() {
    return "\"" + installedProgram() + "\"";
}

void expectInstalledWith(bool soundsOff, const std::string& runCommand) {
    for (const char* file : {"fleeba.exe", "uninstall.exe", "README.txt", "LICENSE.txt"})
        EXPECT_TRUE(exists(installDir() + "\\" + file)) << file;
    EXPECT_TRUE(exists(shortcut()));
    EXPECT_EQ(readValue(uninstallKey, "DisplayVersion").text, FLEEBA_VERSION);
    const Value sounds = readValue(settingsKey, "PlaySounds");
    EXPECT_EQ(sounds.found, soundsOff);
    EXPECT_EQ(sounds.number, 0u);
    const Value run = readValue(runKey, runValue);
    EXPECT_EQ(run.found, !runCommand.empty());
    EXPECT_EQ(lowered(run.text), lowered(runCommand));
}

void expectNothingOfTheToy() {
    EXPECT_TRUE(pumpUntil([] { return !exists(installDir()); }, 15000)) << installDir() << " is still there";
    EXPECT_FALSE(exists(shortcut()));
    EXPECT_FALSE(keyExists(uninstallKey));
    EXPECT_FALSE(keyExists(settingsKey));
}

} // namespace

TEST(Installer, InstallsRunsUpgradesAndUninstallsForTheUser) {
    forgetEarlierRuns();
    ASSERT_TRUE(exists(installer())) << installer();
    EXPECT_EQ(versionText(installer(), "ProductVersion"), FLEEBA_VERSION);
    CoInitialize(nullptr);

    // A silent install, which starts nothing: the program, its texts and its uninstaller; the shortcut; the
    // uninstall entry.
    ASSERT_EQ(run("\"" + installer() + "\" /S"), 0u);
    EXPECT_EQ(runningToys(), 0);
    ASSERT_TRUE(exists(installedProgram()));
    EXPECT_EQ(versionText(installedProgram(), "ProductVersion"), FLEEBA_VERSION);
    EXPECT_EQ(lowered(shortcutTarget(shortcut())), lowered(installedProgram()));
    EXPECT_EQ(readValue(uninstallKey, "DisplayName").text, "Fleeba");
    EXPECT_FALSE(readValue(uninstallKey, "Publisher").text.empty());
    EXPECT_EQ(lowered(readValue(uninstallKey, "DisplayIcon").text), lowered(installedProgram() + ",0"));
    EXPECT_EQ(lowered(readValue(uninstallKey, "InstallLocation").text), lowered(installDir()));
    const std::string uninstaller = "\"" + installDir() + "\\uninstall.exe\"";
    EXPECT_EQ(lowered(readValue(uninstallKey, "UninstallString").text).rfind(lowered(uninstaller), 0), 0u);
    const std::string quietUninstall = readValue(uninstallKey, "QuietUninstallString").text;
    EXPECT_EQ(lowered(quietUninstall).rfind(lowered(uninstaller + " /S"), 0), 0u) << quietUninstall;
    EXPECT_EQ(readValue(uninstallKey, "NoModify").number, 1u);
    EXPECT_EQ(readValue(uninstallKey, "NoRepair").number, 1u);
    WIN32_FILE_ATTRIBUTE_DATA program = {};
    GetFileAttributesExA(installedProgram().c_str(), GetFileExInfoStandard, &program);
    EXPECT_GE(readValue(uninstallKey, "EstimatedSize").number, program.nFileSizeLow / 1024);
    expectInstalledWith(false, "");

    // Started from the Start menu; "Run on startup" names the installed program.
    {
        Toy toy;
        ASSERT_NO_FATAL_FAILURE(startFromShortcut(toy));
        ASSERT_NO_FATAL_FAILURE(runOnStartupWithoutSounds(toy));
        expectInstalledWith(true, quotedProgram());

        // The same installer again, over the running toy, with the Run value left by another copy: the toy
        // is asked to close and ends as it does on Exit; the settings stay; the Run value starts this copy.
        setRunValue("\"C:\\Elsewhere\\fleeba.exe\"");
        EXPECT_EQ(run("\"" + installer() + "\" /S"), 0u);
        EXPECT_EQ(exitCodeOf(toy.process, 0), 0u) << "the toy was still running or did not end by itself";
        expectInstalledWith(true, quotedProgram());
    }

    // A toy that does not close: the uninstaller says so and changes nothing.
    {
        StubbornToy stubborn;
        EXPECT_EQ(run(quietUninstall), toyStillRunning);
        expectInstalledWith(true, quotedProgram());
    }

    // The uninstaller closes the running toy, then leaves nothing of it: no file (not even in the
    // temporary folder), no shortcut, no uninstall entry, no Run value, no settings.
    {
        Toy toy;
        ASSERT_NO_FATAL_FAILURE(startFromShortcut(toy));
        const std::set<std::string> temp = tempEntries();
        EXPECT_EQ(run(quietUninstall), 0u);
        EXPECT_EQ(exitCodeOf(toy.process, 0), 0u) << "the toy was still running or did not end by itself";
        expectNothingOfTheToy();
        EXPECT_FALSE(readValue(runKey, runValue).found);
        EXPECT_EQ(tempEntries(), temp);
    }

    // A Run value that starts another copy is that copy's: the uninstaller leaves it.
    ASSERT_EQ(run("\"" + installer() + "\" /S"), 0u);
    setRunValue("\"C:\\Elsewhere\\fleeba.exe\"");
    EXPECT_EQ(run(readValue(uninstallKey, "QuietUninstallString").text), 0u);
    expectNothingOfTheToy();
    EXPECT_EQ(readValue(runKey, runValue).text, "\"C:\\Elsewhere\\fleeba.exe\"");
    deleteRunValue();
    CoUninitialize();
}
