#pragma once

#include "tamba_util/Logger.h"

#include <string>
#include <vector>

namespace tamba::test {

// A Logger that keeps its lines instead of sending them to the debugger.
class CapturingLogger : public util::Logger {
public:
    CapturingLogger() : Logger(true) {}
    explicit CapturingLogger(bool enabled) : Logger(enabled) {}

    std::vector<std::string> lines;

protected:
    void write(const char* line) override { lines.emplace_back(line); }
};

} // namespace tamba::test
