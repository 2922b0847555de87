#include "gui/Font.h"

#include "gui/Scale.h"

#include <cstring>

namespace tamba::gui {

Font::Font(const util::String& faceName, int points, int percent) : description_{}, font_(nullptr) {
    // Longer names are cut so that the field always keeps its terminating zero.
    std::strncpy(description_.lfFaceName, faceName.c_str(), LF_FACESIZE - 1);

    // Negative: the character height, not the cell height. The toy's scale, not the screen's, so that
    // text keeps its place on pictures drawn at that scale.
    description_.lfHeight = -MulDiv(points, 96 * (percent > 0 ? percent : Scale::percent()), 72 * 100);
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
