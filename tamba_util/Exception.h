#pragma once

#include "tamba_util/String.h"

namespace tamba::util {

// The one exception type of the program; the message always ends with a line feed.
class Exception {
public:
    explicit Exception(const String& message);
    virtual ~Exception() = default;

    String message() const { return message_; }

private:
    String message_;
};

} // namespace tamba::util
