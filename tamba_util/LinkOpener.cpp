#include "tamba_util/LinkOpener.h"

#include "tamba_util/PlatformPath.h"

#include <cstdlib>
#include <intshcut.h>
#include <objbase.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace tamba::util {

namespace {
// The files the platform made while a free name was sought: each stays until the search ends, so that
// every try is given another number, and then goes.
class PlatformTempFiles {
public:
    PlatformTempFiles() = default;
    PlatformTempFiles(const PlatformTempFiles&) = delete;
    PlatformTempFiles& operator=(const PlatformTempFiles&) = delete;
    ~PlatformTempFiles() {
        for (const std::string& name : names_)
            DeleteFileA(name.c_str());
    }
    void keep(const char* name) { names_.emplace_back(name); }

private:
    std::vector<std::string> names_;
};

constexpr int nameAttempts = 100;
} // namespace

Path tempFileName(const String& extension) {
    const Path directory = platformPath([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); });
    if (directory.c_str()[0] == '\0')
        return Path();
    PlatformTempFiles made;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        char created[MAX_PATH] = {};
        if (GetTempFileNameA(directory.c_str(), "tmp", 0, created) == 0)
            return Path();

        // The platform's name is unique because it made the file; ours keeps that name with another
        // extension, and is ours only once its own file is made: a file of that name may be there already
        // (a shortcut made within the same millisecond, say).
        char drive[_MAX_DRIVE];
        char folder[_MAX_DIR];
        char name[_MAX_FNAME];
        char oldExtension[_MAX_EXT];
        _splitpath(created, drive, folder, name, oldExtension);
        char result[MAX_PATH] = {};
        _makepath(result, drive, folder, name, extension.c_str());
        if (lstrcmpiA(result, created) == 0)
            return Path(String(result)); // the file made is the one asked for
        made.keep(created);
        HANDLE file =
            CreateFileA(result, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return Path(String(result));
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return Path();
    }
    return Path();
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
