#include "app/StartupRegistration.h"

#include <windows.h>

namespace tamba::app {

StartupRegistration::StartupRegistration(const util::ProgramContext& context, const util::String& programPath,
                                         const char* name)
    : context_(&context), programPath_(programPath), name_(name) {}

util::String StartupRegistration::command() const {
    return "\"" + programPath_ + "\"";
}

bool StartupRegistration::query() const {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_QUERY_VALUE, &key);
    if (status != ERROR_SUCCESS) {
        context_->logError(status, "Opening startup key");
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    status = RegQueryValueExA(key, name_, nullptr, &type, nullptr, &size);
    const bool found = status == ERROR_SUCCESS;
    if (!found)
        context_->logError(status, "Opening startup value");
    RegCloseKey(key);
    return found;
}

void StartupRegistration::apply(bool on) const {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &key);
    if (status != ERROR_SUCCESS) {
        context_->logError(status, "Opening startup key");
        return;
    }
    if (on) {
        const util::String data = command();
        status = RegSetValueExA(key, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>(data.length() + 1));
        if (status != ERROR_SUCCESS)
            context_->logError(status, "Setting startup value");
    } else {
        status = RegDeleteValueA(key, name_);
        if (status != ERROR_SUCCESS)
            context_->logError(status, "Deleting startup value");
    }
    RegCloseKey(key);
}

} // namespace tamba::app
