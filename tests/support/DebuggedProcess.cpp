#include "support/DebuggedProcess.h"

#include <chrono>

namespace tamba::test {

DebuggedProcess::DebuggedProcess(const std::string& commandLine)
    : thread_(&DebuggedProcess::debugLoop, this, commandLine) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return startDone_; });
}

DebuggedProcess::~DebuggedProcess() {
    if (!exited()) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId_);
        if (process != nullptr) {
            TerminateProcess(process, 99);
            CloseHandle(process);
        }
    }
    if (thread_.joinable())
        thread_.join();
}

std::string DebuggedProcess::readDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) const {
    std::string text(info.nDebugStringLength, '\0');
    SIZE_T read = 0;
    ReadProcessMemory(process, info.lpDebugStringData, text.data(), text.size(), &read);
    text.resize(read);
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

void DebuggedProcess::debugLoop(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const BOOL ok = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                   DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr, &startup, &info);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        startDone_ = true;
        processId_ = ok ? info.dwProcessId : 0;
        exited_ = !ok;
    }
    changed_.notify_all();
    if (!ok)
        return;

    for (;;) {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, INFINITE))
            break;
        DWORD status = DBG_CONTINUE;
        if (event.dwDebugEventCode == OUTPUT_DEBUG_STRING_EVENT) {
            std::string text = readDebugString(info.hProcess, event.u.DebugString);
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back(std::move(text));
        } else if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT) {
            // Only the loader's first breakpoint is ours to swallow; the rest belong to the program.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                status = DBG_EXCEPTION_NOT_HANDLED;
        } else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) {
            CloseHandle(event.u.CreateProcessInfo.hFile);
        } else if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) {
            CloseHandle(event.u.LoadDll.hFile);
        }
        const bool last = event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT;
        if (last) {
            std::lock_guard<std::mutex> lock(mutex_);
            exitCode_ = event.u.ExitProcess.dwExitCode;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        if (last)
            break;
        changed_.notify_all();
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        exited_ = true;
    }
    changed_.notify_all();
}

std::vector<std::string> DebuggedProcess::lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

bool DebuggedProcess::waitForLine(const std::function<bool(const std::string&)>& predicate,
                                  DWORD timeoutMs) const {
    auto found = [&] {
        for (const auto& line : lines_)
            if (predicate(line))
                return true;
        return false;
    };
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return found() || exited_; });
    return found();
}

DWORD DebuggedProcess::waitForExit(DWORD timeoutMs) const {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return exited_; });
    return exited_ ? exitCode_ : STILL_ACTIVE;
}

bool DebuggedProcess::exited() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return exited_;
}

} // namespace tamba::test
