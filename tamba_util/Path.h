#pragma once

#include "tamba_util/String.h"

namespace tamba::util {

// A file-system path; copies share the text.
class Path {
public:
    Path() = default;
    explicit Path(const String& text) : text_(text) {}
    virtual ~Path() = default;

    const char* c_str() const { return text_.c_str(); }
    String text() const { return text_; }

private:
    String text_;
};

} // namespace tamba::util
