#pragma once

#include "tamba_util/Logger.h"

#include <functional>

namespace tamba::app {

// Runs the program's body; an Exception that escapes start-up is logged and ends the program with
// exit code 1 rather than as an unhandled exception.
class EntryPoint {
public:
    static int run(util::Logger& logger, const std::function<void()>& body);
};

} // namespace tamba::app
