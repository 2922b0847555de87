#include "gui/MemoryDeviceContext.h"

#include "gui/WindowDeviceContext.h"

#include <utility>

namespace tamba::gui {

MemoryDeviceContext::MemoryDeviceContext() {
    WindowDeviceContext screen(nullptr);
    dc_ = CreateCompatibleDC(screen.handle());
    if (dc_ != nullptr)
        original_ = static_cast<HBITMAP>(GetCurrentObject(dc_, OBJ_BITMAP));
}

MemoryDeviceContext::MemoryDeviceContext(MemoryDeviceContext&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)), original_(std::exchange(other.original_, nullptr)) {}

MemoryDeviceContext& MemoryDeviceContext::operator=(MemoryDeviceContext&& other) noexcept {
    if (this != &other) {
        destroy();
        dc_ = std::exchange(other.dc_, nullptr);
        original_ = std::exchange(other.original_, nullptr);
    }
    return *this;
}

MemoryDeviceContext::~MemoryDeviceContext() {
    destroy();
}

void MemoryDeviceContext::select(HBITMAP bitmap) {
    if (dc_ == nullptr || bitmap == nullptr)
        return;
    SelectObject(dc_, bitmap);
}

void MemoryDeviceContext::deselect() {
    if (dc_ != nullptr && original_ != nullptr)
        SelectObject(dc_, original_);
}

void MemoryDeviceContext::destroy() {
    if (dc_ == nullptr)
        return;
    // A bitmap still selected into a context cannot be deleted by its owner.
    if (original_ != nullptr)
        SelectObject(dc_, original_);
    DeleteDC(dc_);
    dc_ = nullptr;
    original_ = nullptr;
}

} // namespace tamba::gui
