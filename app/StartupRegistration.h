#pragma once

#include "tamba_util/ProgramContext.h"
#include "tamba_util/String.h"

namespace tamba::app {

// The value under the current user's Run key that makes Windows start the program at logon.
// Registry failures are logged, never shown.
class StartupRegistration {
public:
    static constexpr const char* runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* valueName = "Fleeba Desktop Toy";

    // The value name can be changed for tests, so they never disturb a real registration.
    StartupRegistration(const util::ProgramContext& context, const util::String& programPath,
                        const char* name = valueName);

    // Whether the value exists.
    bool query() const;
    // Writes the value (true) or deletes it (false).
    void apply(bool on) const;

    // The value's text: the program path in double quotes, so that a path with spaces can never be
    // taken for a shorter program path followed by arguments.
    util::String command() const;

private:
    const util::ProgramContext* context_;
    util::String programPath_;
    const char* name_;
};

} // namespace tamba::app
