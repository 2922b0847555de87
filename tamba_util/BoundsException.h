#pragma once

namespace tamba::util {

// Thrown on a list index outside the list: a programming error, never caught.
struct BoundsException {
    const char* message;
    const char* file;
    int line;
};

} // namespace tamba::util
