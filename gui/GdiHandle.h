#pragma once

#include <utility>
#include <windows.h>

namespace tamba::gui {

// Sole owner of one GDI object (a region, a bitmap): deletes it when it goes, unless it was released
// to a new owner first. Move-only, so the object is never deleted twice.
template <class Handle> class GdiHandle {
public:
    GdiHandle() = default;
    explicit GdiHandle(Handle handle) : handle_(handle) {}
    GdiHandle(const GdiHandle&) = delete;
    GdiHandle& operator=(const GdiHandle&) = delete;
    GdiHandle(GdiHandle&& other) noexcept : handle_(other.release()) {}
    GdiHandle& operator=(GdiHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~GdiHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Hands the object to whoever takes it over; this wrapper forgets it.
    Handle release() { return std::exchange(handle_, nullptr); }

    void reset(Handle handle = nullptr) {
        Handle old = std::exchange(handle_, handle);
        if (old != nullptr)
            DeleteObject(old);
    }

private:
    Handle handle_ = nullptr; // owned
};

} // namespace tamba::gui
