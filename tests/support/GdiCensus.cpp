#include "support/GdiCensus.h"

namespace tamba::test {

int liveGdiObjects(DWORD type) {
    int count = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) {
        const DWORD found = GetObjectType(reinterpret_cast<HGDIOBJ>(slot));
        if (found != 0 && (type == 0 || found == type))
            ++count;
    }
    return count;
}

} // namespace tamba::test
