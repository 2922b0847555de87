#include "support/LinkRecorder.h"

#include "support/TestEnvironment.h"

#include <fstream>

namespace tamba::test {

namespace {

const char* const browserKey = "Software\\Wine\\WineBrowser";
const char* const browserValue = "Browsers";

// Wine's own translation of a Windows path to the host's; empty outside Wine.
std::string unixPath(const std::string& windowsPath) {
    using Translate = char*(CDECL*)(LPCWSTR);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    // Through void*: a FARPROC cast straight to another function type draws -Wcast-function-type.
    auto translate = reinterpret_cast<Translate>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
    if (translate == nullptr)
        return std::string();
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* path = translate(wide);
    if (path == nullptr)
        return std::string();
    std::string result(path);
    HeapFree(GetProcessHeap(), 0, path);
    return result;
}

std::string fullPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return buffer;
}

} // namespace

LinkRecorder::LinkRecorder() {
    usable_ = install();
}

bool LinkRecorder::install() {
    char prefix[MAX_PATH] = {};
    const std::string wineprefix(prefix, GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix));
    const std::string own = "/.wine";
    if (wineprefix.empty() || (wineprefix.size() >= own.size() &&
                               wineprefix.compare(wineprefix.size() - own.size(), own.size(), own) == 0)) {
        whyNot_ = "runs only in a private Wine prefix (WINEPREFIX), never the user's own";
        return false;
    }
    const std::string script = fullPath(executableDirectory() + "..\\..\\..\\scripts\\link-recorder.sh");
    if (GetFileAttributesA(script.c_str()) == INVALID_FILE_ATTRIBUTES) {
        whyNot_ = "no recorder script at " + script;
        return false;
    }
    recordPath_ = executableDirectory() + "link-record-" + std::to_string(GetCurrentProcessId()) + ".txt";
    std::ofstream(recordPath_.c_str(), std::ios::trunc).close();
    const std::string scriptOnHost = unixPath(script);
    const std::string recordOnHost = unixPath(recordPath_);
    if (scriptOnHost.empty() || recordOnHost.empty()) {
        whyNot_ = "not running under Wine";
        return false;
    }

    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, browserKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        whyNot_ = "cannot open the browser setting";
        return false;
    }
    char old[1024] = {};
    DWORD size = sizeof old;
    DWORD type = 0;
    if (RegQueryValueExA(key, browserValue, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
        hadOldValue_ = true;
        oldValue_ = old;
    }
    // The launcher splits the value like a command line and adds the address as the last argument.
    const std::string command = "\"" + scriptOnHost + "\" \"" + recordOnHost + "\"";
    const LONG set =
        RegSetValueExA(key, browserValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);
    if (set != ERROR_SUCCESS) {
        whyNot_ = "cannot write the browser setting";
        return false;
    }
    return true;
}

LinkRecorder::~LinkRecorder() {
    if (usable_) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, browserKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
            if (hadOldValue_)
                RegSetValueExA(key, browserValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(oldValue_.c_str()),
                               static_cast<DWORD>(oldValue_.size() + 1));
            else
                RegDeleteValueA(key, browserValue);
            RegCloseKey(key);
        }
    }
    if (!recordPath_.empty())
        DeleteFileA(recordPath_.c_str());
}

std::vector<std::string> LinkRecorder::addresses() const {
    std::vector<std::string> lines;
    std::ifstream in(recordPath_.c_str());
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

bool LinkRecorder::waitForAddresses(size_t count, DWORD timeoutMs) const {
    return pumpUntil([&] { return addresses().size() >= count; }, timeoutMs);
}

} // namespace tamba::test
