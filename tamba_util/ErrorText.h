#pragma once

#include "tamba_util/String.h"

namespace tamba::util {

// The system's message text for an error code, with whatever line break the system ends it with.
String systemMessage(unsigned long code);

// Throws an Exception "Error while <activity>:<system text>".
[[noreturn]] void raiseError(unsigned long code, const char* activity);

} // namespace tamba::util
