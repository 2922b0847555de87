#pragma once

#include <windows.h>

namespace tamba::gui {

// A picture from the program's bitmap resources, drawn into any rectangle: copied when the rectangle
// has the picture's size, stretched otherwise. Move-only: the bitmap has one owner.
class Bitmap {
public:
    // Throws Exception "Could not load bitmap id <number>" when the resource is missing.
    explicit Bitmap(int resource);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    virtual ~Bitmap();

    SIZE size() const { return SIZE{info_.bmWidth, info_.bmHeight}; }
    HBITMAP handle() const { return bitmap_; }

    // Silent on failure: the target is left as it was.
    void draw(HDC target, const RECT& destination) const;

private:
    HBITMAP bitmap_; // owned: deleted with this object
    BITMAP info_;
};

} // namespace tamba::gui
