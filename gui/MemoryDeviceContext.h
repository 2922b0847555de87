#pragma once

#include <windows.h>

namespace tamba::gui {

// A memory device context compatible with the screen. Bitmaps selected into it stay owned by their own
// owners; the context's original bitmap goes back in before the context is deleted, so that those owners can
// delete their bitmaps afterwards. Move-only.
class MemoryDeviceContext {
public:
    // handle() is null when the platform could not make the context.
    MemoryDeviceContext();
    MemoryDeviceContext(const MemoryDeviceContext&) = delete;
    MemoryDeviceContext& operator=(const MemoryDeviceContext&) = delete;
    MemoryDeviceContext(MemoryDeviceContext&& other) noexcept;
    MemoryDeviceContext& operator=(MemoryDeviceContext&& other) noexcept;
    ~MemoryDeviceContext();

    HDC handle() const { return dc_; }

    // Selects a bitmap owned elsewhere; it stays selected until the next select or the context goes.
    void select(HBITMAP bitmap);
    // Puts the original bitmap back, so that the one selected can be deleted by its owner.
    void deselect();

private:
    void destroy();

    HDC dc_ = nullptr;           // owned: deleted with this object
    HBITMAP original_ = nullptr; // owned by the context: the stock bitmap it was made with, put back last
};

} // namespace tamba::gui
