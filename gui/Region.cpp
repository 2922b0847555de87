#include "gui/Region.h"

#include "app/Application.h"
#include "tamba_util/Exception.h"

namespace tamba::gui {

Region::Region(int resourceNumber) {
    const HINSTANCE instance = app::Application::current()->instanceHandle();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(static_cast<WORD>(resourceNumber)), "REGION");
    if (found == nullptr)
        throw util::Exception("Could not load region " + util::String::fromInt(resourceNumber));
    HGLOBAL loaded = LoadResource(instance, found);
    if (loaded == nullptr)
        return;
    const DWORD size = SizeofResource(instance, found);
    if (size == 0)
        return;
    data_ = static_cast<const RGNDATA*>(LockResource(loaded));
    if (data_ == nullptr)
        return;
    size_ = size;
    handle_.reset(ExtCreateRegion(nullptr, size_, data_));
}

} // namespace tamba::gui
