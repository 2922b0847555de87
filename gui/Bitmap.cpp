#include "gui/Bitmap.h"

#include "app/Application.h"
#include "tamba_util/Exception.h"

namespace tamba::gui {

Bitmap::Bitmap(int resource) : bitmap_(nullptr), info_{} {
    bitmap_ = LoadBitmapA(app::Application::current()->instanceHandle(), MAKEINTRESOURCEA(resource));
    if (bitmap_ == nullptr)
        throw util::Exception(util::String("Could not load bitmap id ") + util::String::fromInt(resource));
    GetObjectA(bitmap_, sizeof info_, &info_);
}

Bitmap::Bitmap(Bitmap&& other) noexcept : bitmap_(other.bitmap_), info_(other.info_) {
    other.bitmap_ = nullptr;
    other.info_ = BITMAP{};
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        if (bitmap_ != nullptr)
            DeleteObject(bitmap_);
        bitmap_ = other.bitmap_;
        info_ = other.info_;
        other.bitmap_ = nullptr;
        other.info_ = BITMAP{};
    }
    return *this;
}

Bitmap::~Bitmap() {
    if (bitmap_ != nullptr)
        DeleteObject(bitmap_);
}

void Bitmap::draw(HDC target, const RECT& destination) const {
    if (bitmap_ == nullptr)
        return;
    HDC screen = GetDC(nullptr); // released below on every path
    if (screen == nullptr)
        return;
    HDC memory = CreateCompatibleDC(screen); // deleted below
    if (memory == nullptr) {
        ReleaseDC(nullptr, screen);
        return;
    }
    // The memory context must get its own bitmap back before it is deleted.
    HGDIOBJ kept = SelectObject(memory, bitmap_);

    const int w = destination.right - destination.left;
    const int h = destination.bottom - destination.top;
    if (w == info_.bmWidth && h == info_.bmHeight)
        BitBlt(target, destination.left, destination.top, w, h, memory, 0, 0, SRCCOPY);
    else
        StretchBlt(target, destination.left, destination.top, w, h, memory, 0, 0, info_.bmWidth,
                   info_.bmHeight, SRCCOPY);

    SelectObject(memory, kept);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

} // namespace tamba::gui
