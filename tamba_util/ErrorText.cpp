#include "tamba_util/ErrorText.h"

#include "tamba_util/Exception.h"

#include <windows.h>

namespace tamba::util {

String systemMessage(unsigned long code) {
    char* buffer = nullptr;
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    String text(buffer);
    if (buffer != nullptr)
        LocalFree(buffer);
    return text;
}

void raiseError(unsigned long code, const char* activity) {
    throw Exception(String("Error while ") + activity + ":" + systemMessage(code));
}

} // namespace tamba::util
