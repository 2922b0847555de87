#pragma once

#include <windows.h>

namespace tamba::test {

// Counts the live GDI objects of the process, of one type (OBJ_REGION, OBJ_BITMAP, ...) or of all types
// for 0. GetGuiResources is a stub under Wine, so this walks Wine's handle table instead: Wine accepts a
// handle whose upper word is 0 as "any generation" of the table slot in its lower word, so GetObjectType on
// every slot number finds each live object once. Under Wine only.
int liveGdiObjects(DWORD type = 0);

} // namespace tamba::test
