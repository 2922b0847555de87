#include "tamba_util/PlatformPath.h"

#include <vector>

namespace tamba::util {

Path platformPath(const std::function<DWORD(char* buffer, DWORD size)>& fill, DWORD firstSize) {
    std::vector<char> buffer(firstSize, '\0');
    if (fill(buffer.data(), firstSize) == 0)
        return Path();
    return Path(String(buffer.data()));
}

} // namespace tamba::util
