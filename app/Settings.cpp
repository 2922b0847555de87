#include "app/Settings.h"

#include "gui/Scale.h"

#include <windows.h>

namespace tamba::app {

namespace {
constexpr const char* playSoundsValue = "PlaySounds";
constexpr const char* onTopValue = "ShowOnTop";
constexpr const char* sizeValue = "Size";

bool isDrawnSize(DWORD size) {
    if (size == Settings::automaticSize)
        return true;
    for (int percent : gui::Scale::percents)
        if (size == static_cast<DWORD>(percent))
            return true;
    return false;
}

// Reads one DWORD; false, with the reason logged, when it is there but unusable. A missing value is no
// error: it keeps its default.
bool readDword(const util::ProgramContext& context, HKEY key, const char* name, DWORD& value) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return false;
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) {
        context.logger().log("Ignoring setting %s: not a number", name);
        return false;
    }
    value = data;
    return true;
}

bool readSwitch(const util::ProgramContext& context, HKEY key, const char* name, bool& on) {
    DWORD value = 0;
    if (!readDword(context, key, name, value))
        return false;
    if (value > 1) {
        context.logger().log("Ignoring setting %s: %lu is out of range", name,
                             static_cast<unsigned long>(value));
        return false;
    }
    on = value == 1;
    return true;
}
} // namespace

Settings::Settings(const util::ProgramContext& context, const char* key) : context_(&context), key_(key) {}

void Settings::load() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key_, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return; // never saved: the defaults hold
    readSwitch(*context_, key, playSoundsValue, playSounds);
    readSwitch(*context_, key, onTopValue, onTop);
    DWORD value = 0;
    if (readDword(*context_, key, sizeValue, value)) {
        if (isDrawnSize(value))
            size = static_cast<int>(value);
        else
            context_->logger().log("Ignoring setting %s: %lu is out of range", sizeValue,
                                   static_cast<unsigned long>(value));
    }
    RegCloseKey(key);
}

bool Settings::save() const {
    HKEY key = nullptr;
    LONG status =
        RegCreateKeyExA(HKEY_CURRENT_USER, key_, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        context_->logError(status, "Opening settings key");
        return false;
    }
    const DWORD values[3] = {playSounds ? 1u : 0u, onTop ? 1u : 0u, static_cast<DWORD>(size)};
    const char* names[3] = {playSoundsValue, onTopValue, sizeValue};
    bool saved = true;
    for (int i = 0; i < 3 && saved; ++i) {
        status = RegSetValueExA(key, names[i], 0, REG_DWORD, reinterpret_cast<const BYTE*>(&values[i]),
                                sizeof values[i]);
        if (status != ERROR_SUCCESS) {
            context_->logError(status, "Writing settings");
            saved = false;
        }
    }
    RegCloseKey(key);
    return saved;
}

} // namespace tamba::app
