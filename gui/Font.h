#pragma once

#include "tamba_util/String.h"

#include <windows.h>

namespace tamba::gui {

// A screen font made from a face name and a size in points, at the toy's scale (a point is 4/3 of a
// pixel at 100 %). Its handle may be null (no screen, or a font the platform cannot make); text drawn
// then uses the context's own font. Move-only.
class Font {
public:
    // percent: a scale other than the toy's, for a box that must fit a smaller screen; 0 for the toy's.
    Font(const util::String& faceName, int points, int percent = 0);
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    virtual ~Font();

    HFONT handle() const { return font_; }
    const LOGFONTA& description() const { return description_; }

private:
    LOGFONTA description_;
    HFONT font_; // owned: deleted with this object
};

} // namespace tamba::gui
