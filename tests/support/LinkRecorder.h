#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace tamba::test {

// While it lives, the test prefix's browser is scripts/link-recorder.sh, which writes every address it
// is asked to open into a record file of this object instead of opening a browser. Wine's browser
// launcher reads its browsers from HKCU\Software\Wine\WineBrowser "Browsers"; the old value is put back
// afterwards. Refuses to touch a prefix that is not a private one (see usable()).
class LinkRecorder {
public:
    LinkRecorder();
    ~LinkRecorder();
    LinkRecorder(const LinkRecorder&) = delete;
    LinkRecorder& operator=(const LinkRecorder&) = delete;

    // False (with the reason in whyNot()) outside Wine, in the user's own ~/.wine or without the script.
    bool usable() const { return usable_; }
    const std::string& whyNot() const { return whyNot_; }

    std::vector<std::string> addresses() const;
    // Waits until at least count addresses are recorded; returns whether they were in time.
    bool waitForAddresses(size_t count, DWORD timeoutMs) const;

private:
    bool install();

    bool usable_ = false;
    std::string whyNot_;
    std::string recordPath_; // Windows path of the record file
    bool hadOldValue_ = false;
    std::string oldValue_;
};

} // namespace tamba::test
