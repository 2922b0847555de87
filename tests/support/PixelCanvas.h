#pragma once

#include <vector>
#include <windows.h>

namespace tamba::test {

// A memory context on a 32-bit picture of its own, to draw into and read back pixel by pixel.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF fill);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    // What a window's client area shows now (after it has painted what it owed).
    static void copyClient(HWND window, PixelCanvas& into);
    // What the screen shows from (left, top) on, as large as the canvas.
    static void copyScreen(int left, int top, PixelCanvas& into);

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    // Every pixel, row by row from the top, read straight from the picture (much faster than at()).
    std::vector<COLORREF> pixels() const;

private:
    int width_;
    int height_;
    HDC dc_;            // owned
    HBITMAP bitmap_;    // owned; selected into dc_ until the destructor
    const DWORD* bits_; // not owned: bitmap_'s pixels, freed with it
    HGDIOBJ kept_;      // not owned: the context's own bitmap, given back before it is deleted
};

} // namespace tamba::test
