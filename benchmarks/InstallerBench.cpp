// How long the silent install and the silent uninstall of the installer this build made take, as whoever
// starts them waits for them: the median and the extremes of some rounds, in a prefix of their own
// (scripts/bench.sh runs it there). The uninstall is timed to its end, and to the moment its folder is gone
// (the uninstaller's own file goes just after it ends).
#include "support/TestEnvironment.h"

#include <algorithm>
#include <cstdio>
#include <shlobj.h>
#include <string>
#include <vector>

namespace {
constexpr int rounds = 5;

double nowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool run(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    WaitForSingleObject(process.hProcess, 120000);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

std::string quietUninstall() {
    char text[1024] = {};
    DWORD size = sizeof text - 1;
    RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Fleeba",
                 "QuietUninstallString", RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

void print(const char* name, std::vector<double>& samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-44s median %7.0f ms   min %7.0f ms   max %7.0f ms   (%u rounds)\n", name,
                samples[samples.size() / 2], samples.front(), samples.back(),
                static_cast<unsigned>(samples.size()));
}
} // namespace

int main() {
    const std::string installer = tamba::test::executableDirectory() + "..\\packages\\" FLEEBA_INSTALLER_NAME;
    char localAppData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, localAppData);
    const std::string folder = std::string(localAppData) + "\\Programs\\Fleeba";

    std::vector<double> installs, uninstalls, removals;
    for (int i = 0; i < rounds; ++i) {
        const double start = nowMs();
        if (!run("\"" + installer + "\" /S")) {
            std::printf("the silent install of %s failed\n", installer.c_str());
            return 1;
        }
        const double installed = nowMs();
        if (!run(quietUninstall())) {
            std::printf("the silent uninstall failed\n");
            return 1;
        }
        const double uninstalled = nowMs();
        while (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES && nowMs() - uninstalled < 30000)
            Sleep(10);
        const double removed = nowMs();
        installs.push_back(installed - start);
        uninstalls.push_back(uninstalled - installed);
        removals.push_back(removed - installed);
    }
    std::printf("%s\n", FLEEBA_INSTALLER_NAME);
    print("silent install (setup.exe /S)", installs);
    print("silent uninstall, to its end", uninstalls);
    print("silent uninstall, to its folder gone", removals);
    return 0;
}
