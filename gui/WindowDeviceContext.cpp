#include "gui/WindowDeviceContext.h"

#include <utility>

namespace tamba::gui {

WindowDeviceContext::WindowDeviceContext(HWND window) : window_(window), dc_(GetDC(window)) {}

WindowDeviceContext::WindowDeviceContext(WindowDeviceContext&& other) noexcept
    : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}

WindowDeviceContext& WindowDeviceContext::operator=(WindowDeviceContext&& other) noexcept {
    if (this != &other) {
        release();
        window_ = other.window_;
        dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
}

WindowDeviceContext::~WindowDeviceContext() {
    release();
}

void WindowDeviceContext::release() {
    if (dc_ != nullptr)
        ReleaseDC(window_, dc_);
    dc_ = nullptr;
}

} // namespace tamba::gui
