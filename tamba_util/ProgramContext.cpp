#include "tamba_util/ProgramContext.h"

#include "tamba_util/ErrorText.h"
#include "tamba_util/PlatformPath.h"

namespace tamba::util {

namespace {
Path queryModulePath() {
    return platformPath([](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); });
}
} // namespace

ProgramContext::ProgramContext(Logger& logger) : logger_(&logger), modulePath_(queryModulePath()) {
    logCurrentOsVersion(logger);
}

void ProgramContext::logError(unsigned long code, const char* activity) const {
    logger_->log("Error while %s:\n%s", activity, systemMessage(code).c_str());
}

void ProgramContext::logOsVersion(Logger& logger, const OSVERSIONINFOA& version) {
    const char* text = "";
    int major = static_cast<int>(version.dwMajorVersion);
    int minor = static_cast<int>(version.dwMinorVersion);
    switch (version.dwPlatformId) {
    case 0:
        text = "Win32s on Windows 3.1";
        break;
    case 1:
        if (version.dwMinorVersion != 0) {
            text = "Win32 on Windows 98";
        } else {
            // Windows 95 reports its version in the high word of the build number.
            text = "Win32 on Windows 95";
            major = static_cast<int>((version.dwBuildNumber >> 24) & 0xFF);
            minor = static_cast<int>((version.dwBuildNumber >> 16) & 0xFF);
        }
        break;
    case 2:
        text = "Win32 on Windows NT";
        break;
    default:
        break;
    }
    logger.log("OS: %s %d.%d %s\n", text, major, minor, version.szCSDVersion);
}

void ProgramContext::logCurrentOsVersion(Logger& logger) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return;
    logOsVersion(logger, version);
}

} // namespace tamba::util
