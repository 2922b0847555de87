#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace tamba::test {

// Starts a program as a debuggee and collects what it writes with OutputDebugStringA, the way a debugger
// sees it. Debug events must be read by the thread that started the process, so a thread of its own
// starts it and runs the debug loop until the process ends.
class DebuggedProcess {
public:
    explicit DebuggedProcess(const std::string& commandLine);
    ~DebuggedProcess();
    DebuggedProcess(const DebuggedProcess&) = delete;
    DebuggedProcess& operator=(const DebuggedProcess&) = delete;

    bool started() const { return processId_ != 0; }
    DWORD processId() const { return processId_; }

    std::vector<std::string> lines() const;
    // Waits until some line satisfies the predicate; returns whether one did in time.
    bool waitForLine(const std::function<bool(const std::string&)>& predicate, DWORD timeoutMs) const;
    // Waits for the process to end; returns its exit code, or STILL_ACTIVE when it did not end in time.
    DWORD waitForExit(DWORD timeoutMs) const;
    bool exited() const;

private:
    void debugLoop(std::string commandLine);
    std::string readDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) const;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<std::string> lines_;
    DWORD processId_ = 0;
    bool startDone_ = false;
    bool exited_ = false;
    DWORD exitCode_ = STILL_ACTIVE;
    std::thread thread_;
};

} // namespace tamba::test
