#pragma once

#include "tamba_util/Logger.h"
#include "tamba_util/Path.h"

#include <windows.h>

namespace tamba::util {

// The logger and the program file's path, for the process-wide application object.
class ProgramContext {
public:
    explicit ProgramContext(Logger& logger);
    virtual ~ProgramContext() = default;

    Logger& logger() const { return *logger_; }
    Path modulePath() const { return modulePath_; }

    // Logs "Error while <activity>:\n" followed by the system's text for the code.
    void logError(unsigned long code, const char* activity) const;

    // Logs the "OS: ..." line for a version the platform reported.
    static void logOsVersion(Logger& logger, const OSVERSIONINFOA& version);
    // Asks the platform for its version and logs it; logs nothing if the query fails.
    static void logCurrentOsVersion(Logger& logger);

private:
    Logger* logger_; // not owned: the entry point's
    Path modulePath_;
};

} // namespace tamba::util
