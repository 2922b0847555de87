#include "tamba_util/PlatformPath.h"

#include <vector>

namespace tamba::util {

namespace {
// The longest path the platform has: 32767 characters and the NUL.
constexpr DWORD longestPath = 32768;
} // namespace

Path platformPath(const std::function<DWORD(char* buffer, DWORD size)>& fill, DWORD firstSize) {
    DWORD size = firstSize > 0 ? firstSize : 1;
    for (;;) {
        // One more than the call is told of, so that the text always ends in a NUL of ours.
        std::vector<char> buffer(size + 1, '\0');
        const DWORD length = fill(buffer.data(), size);
        if (length == 0)
            return Path();
        if (length < size) {
            buffer[length] = '\0';
            return Path(String(buffer.data()));
        }
        if (size >= longestPath)
            return Path();
        // GetTempPathA says how much it needs; GetModuleFileNameA only that it was cut.
        size = length + 1 > size * 2 ? length + 1 : size * 2;
        if (size > longestPath)
            size = longestPath;
    }
}

} // namespace tamba::util
