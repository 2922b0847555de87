#include "tamba_util/Logger.h"

#include <cstdio>
#include <windows.h>

namespace tamba::util {

void Logger::log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    logv(format, args);
    va_end(args);
}

void Logger::logv(const char* format, va_list args) {
    if (!enabled_)
        return;
    char buffer[bufferSize];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    buffer[bufferSize - 1] = '\0';
    write(buffer);
}

void Logger::write(const char* line) {
    OutputDebugStringA(line);
}

} // namespace tamba::util
