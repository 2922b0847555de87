#pragma once

#include "gui/GdiHandle.h"

#include <windows.h>

namespace tamba::gui {

// A single REGION outline without a picture, as a region handle (hit areas of a game).
class Region {
public:
    // Throws "Could not load region <n>" when the resource is missing. An outline that is empty, cannot be
    // loaded or is rejected by the platform gives no handle, without an error.
    explicit Region(int resourceNumber);
    Region(Region&&) noexcept = default;
    Region& operator=(Region&&) noexcept = default;
    virtual ~Region() = default;

    HRGN handle() const { return handle_.get(); }
    const RGNDATA* data() const { return data_; }
    DWORD size() const { return size_; }

private:
    GdiHandle<HRGN> handle_;
    const RGNDATA* data_ = nullptr; // not owned: the module's mapped resource data
    DWORD size_ = 0;
};

} // namespace tamba::gui
