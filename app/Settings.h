#pragma once

#include "tamba_util/ProgramContext.h"

namespace tamba::app {

// The settings kept between runs, as DWORD values under one key of the current user's software registry
// (run on startup is the Run value, apart). A value that is missing keeps its default; one of the wrong
// type or out of range is ignored with one log line. Nothing is written but by save.
class Settings {
public:
    static constexpr const char* defaultKey = "Software\\Fleeba";
    static constexpr int automaticSize = 0;

    // The key can be changed for tests, so they never disturb the user's settings.
    explicit Settings(const util::ProgramContext& context, const char* key = defaultKey);

    void load();
    // Writes every value; false (and a log line) when the key cannot be written.
    bool save() const;

    bool playSounds = true;
    bool onTop = true;
    // The toy's size in percent, one of the drawn scales, or automaticSize to follow the monitor's scale.
    int size = automaticSize;

private:
    const util::ProgramContext* context_; // not owned
    const char* key_;                     // not owned: a string literal
};

} // namespace tamba::app
