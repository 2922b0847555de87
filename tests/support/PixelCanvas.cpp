#include "support/PixelCanvas.h"

namespace tamba::test {

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    kept_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

PixelCanvas::~PixelCanvas() {
    SelectObject(dc_, kept_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::vector<COLORREF> PixelCanvas::pixels() const {
    std::vector<COLORREF> all;
    if (bits_ == nullptr)
        return all;
    GdiFlush(); // drawing may still be queued
    all.reserve(static_cast<size_t>(width_) * height_);
    for (int i = 0; i < width_ * height_; ++i) {
        const DWORD p = bits_[i]; // 0x00RRGGBB
        all.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    return all;
}

void PixelCanvas::copyClient(HWND window, PixelCanvas& into) {
    UpdateWindow(window);
    HDC source = GetDC(window);
    BitBlt(into.dc_, 0, 0, into.width_, into.height_, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
}

void PixelCanvas::copyScreen(int left, int top, PixelCanvas& into) {
    HDC screen = GetDC(nullptr);
    BitBlt(into.dc_, 0, 0, into.width_, into.height_, screen, left, top, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

} // namespace tamba::test
