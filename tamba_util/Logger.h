#pragma once

#include <cstdarg>

namespace tamba::util {

// Writes printf-style lines to the debugger output. Formats carry their own "\n".
class Logger {
public:
    static constexpr int bufferSize = 2048;

    explicit Logger(bool enabled) : enabled_(enabled) {}
    virtual ~Logger() = default;

    // Anything that is not a fixed format (an exception's message, say) must go in as an argument,
    // log("%s", text), so that a percent sign in it is printed as it stands.
    virtual void log(const char* format, ...);
    void logv(const char* format, va_list args);

protected:
    // Where a finished line goes; tests replace it to read the lines.
    virtual void write(const char* line);

private:
    bool enabled_;
};

} // namespace tamba::util
