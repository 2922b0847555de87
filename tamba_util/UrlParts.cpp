#include "tamba_util/UrlParts.h"

#include <windows.h>
#include <wininet.h>

namespace tamba::util {

UrlParts::UrlParts(const String& url) : url_(url), port_(0) {
    char host[INTERNET_MAX_URL_LENGTH] = {};
    char path[INTERNET_MAX_URL_LENGTH] = {};
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof path;
    if (!InternetCrackUrlA(url_.c_str(), static_cast<DWORD>(url_.length()), 0, &parts))
        return;
    hostName_ = host;
    urlPath_ = path;
    port_ = parts.nPort;
}

} // namespace tamba::util
