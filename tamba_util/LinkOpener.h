#pragma once

#include "tamba_util/Path.h"
#include "tamba_util/String.h"
#include "tamba_util/UrlParts.h"

#include <windows.h>

namespace tamba::util {

// A new file in the user's temporary directory, "tmp" and a unique part followed by the extension
// (".url", say, point included): the name is held by creating the file, empty, so that no later call can
// be given it too. Empty if the platform gives no name.
Path tempFileName(const String& extension);

// Writes an internet shortcut file for the url through the shell's own shortcut object, so the file is
// in whatever form the shell reads back. Returns the result of the first failed step, or of the save.
HRESULT writeInternetShortcut(const Path& file, const String& url);

// Opens the link in the user's browser by asking the shell to open a shortcut to it. The owner window
// may be null. Failures leave the link unopened and are not reported; the shortcut file stays behind.
void openLink(HWND owner, const UrlParts& link);

} // namespace tamba::util
