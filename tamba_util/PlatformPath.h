#pragma once

#include "tamba_util/Path.h"

#include <functional>
#include <windows.h>

namespace tamba::util {

// A path that a platform call writes into the caller's buffer (GetModuleFileNameA, GetTempPathA), taken
// whole. fill(buffer, size) returns the length written without the NUL, 0 on failure, or size or more when
// the path did not fit (GetTempPathA then gives the size it needs, GetModuleFileNameA a cut text that may
// lack its NUL); the call is then made again with a buffer big enough. Empty when the call fails.
Path platformPath(const std::function<DWORD(char* buffer, DWORD size)>& fill, DWORD firstSize = MAX_PATH);

} // namespace tamba::util
