#include "tamba_util/LinkOpener.h"

#include <cstdlib>
#include <intshcut.h>
#include <objbase.h>
#include <shellapi.h>

namespace tamba::util {

Path tempFileName(const String& extension) {
    char directory[MAX_PATH] = {};
    if (GetTempPathA(sizeof directory, directory) == 0)
        return Path();
    char created[MAX_PATH] = {};
    if (GetTempFileNameA(directory, "tmp", 0, created) == 0)
        return Path();

    // The platform's name is unique because it made the file; ours keeps that name with another
    // extension and lets the made file go.
    char drive[_MAX_DRIVE];
    char folder[_MAX_DIR];
    char name[_MAX_FNAME];
    char oldExtension[_MAX_EXT];
    _splitpath(created, drive, folder, name, oldExtension);
    char result[MAX_PATH] = {};
    _makepath(result, drive, folder, name, extension.c_str());
    DeleteFileA(created);
    return Path(String(result));
}

HRESULT writeInternetShortcut(const Path& file, const String& url) {
    HRESULT result = CoInitialize(nullptr);
    if (FAILED(result))
        return result;

    IUniformResourceLocatorA* locator = nullptr; // owned: released below
    IPersistFile* persist = nullptr;             // owned: released below
    result = CoCreateInstance(CLSID_InternetShortcut, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IUniformResourceLocatorA, reinterpret_cast<void**>(&locator));
    if (SUCCEEDED(result))
        result = locator->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
    if (SUCCEEDED(result))
        result = locator->SetURL(url.c_str(), 0);
    if (SUCCEEDED(result)) {
        WCHAR widePath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, widePath, MAX_PATH);
        result = persist->Save(widePath, TRUE);
        // Only a notification: some shortcut objects answer E_NOTIMPL, which says nothing about the file.
        persist->SaveCompleted(widePath);
    }
    if (persist != nullptr)
        persist->Release();
    if (locator != nullptr)
        locator->Release();

    CoUninitialize();
    return result;
}

void openLink(HWND owner, const UrlParts& link) {
    const Path shortcut = tempFileName(".url");
    if (shortcut.c_str()[0] == '\0')
        return;
    writeInternetShortcut(shortcut, link.url());
    ShellExecuteA(owner, "open", shortcut.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
}

} // namespace tamba::util
