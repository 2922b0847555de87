#include "support/Xrandr.h"

#include "support/TestEnvironment.h"

namespace tamba::test {

namespace {
BOOL CALLBACK collectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    reinterpret_cast<std::vector<RECT>*>(data)->push_back(*rect);
    return TRUE;
}
} // namespace

std::vector<RECT> monitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

bool runXrandr(const std::string& arguments, const std::function<void()>& meanwhile) {
    std::string command = "/usr/bin/xrandr " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    const bool ended = pumpUntil(
        [&] {
            if (meanwhile)
                meanwhile();
            // Wine gives a Unix program no process to wait on (the wait fails at once): then the caller's
            // look at the platform's monitors is all there is.
            const DWORD state = WaitForSingleObject(process.hProcess, 0);
            return state == WAIT_OBJECT_0 || state == WAIT_FAILED;
        },
        10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return ended;
}

::testing::AssertionResult xrandr(const std::string& arguments, int monitors) {
    if (!runXrandr(arguments))
        return ::testing::AssertionFailure()
               << "xrandr " << arguments << " did not start or end: error " << GetLastError();
    if (!pumpUntil([&] { return GetSystemMetrics(SM_CMONITORS) == monitors; }, 5000))
        return ::testing::AssertionFailure() << "after xrandr " << arguments << " the platform counts "
                                             << GetSystemMetrics(SM_CMONITORS) << " monitors";
    return ::testing::AssertionSuccess();
}

} // namespace tamba::test
