#include "gui/Font.h"

#include <cstring>

namespace tamba::gui {

Font::Font(const util::String& faceName, int points) : description_{}, font_(nullptr) {
    // Longer names are cut so that the field always keeps its terminating zero.
    std::strncpy(description_.lfFaceName, faceName.c_str(), LF_FACESIZE - 1);

    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return;
    // Negative: the character height, not the cell height.
    description_.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font_ = CreateFontIndirectA(&description_);
}

Font::Font(Font&& other) noexcept : description_(other.description_), font_(other.font_) {
    other.font_ = nullptr;
}

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        if (font_ != nullptr)
            DeleteObject(font_);
        description_ = other.description_;
        font_ = other.font_;
        other.font_ = nullptr;
    }
    return *this;
}

Font::~Font() {
    if (font_ != nullptr)
        DeleteObject(font_);
}

} // namespace tamba::gui
