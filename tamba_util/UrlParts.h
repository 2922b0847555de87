#pragma once

#include "tamba_util/String.h"

namespace tamba::util {

// A web address and the pieces the platform splits from it. A text the platform cannot split is kept
// as it is, with no host, no path and port 0: it can still be opened.
class UrlParts {
public:
    explicit UrlParts(const String& url);
    UrlParts(const UrlParts& other) = default;
    UrlParts& operator=(const UrlParts& other) = default;
    virtual ~UrlParts() = default;

    String url() const { return url_; }
    String hostName() const { return hostName_; }
    String urlPath() const { return urlPath_; }
    int port() const { return port_; }

private:
    String url_;
    String hostName_;
    String urlPath_;
    int port_;
};

} // namespace tamba::util
