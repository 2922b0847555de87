#include "CursorWriter.h"

#include "ByteWriter.h"

#include <stdexcept>

std::vector<std::uint8_t> CursorWriter::write(const IndexedImage& image, int hotspotX, int hotspotY) {
    const int w = image.width(), h = image.height();
    if (w > 255 || h > 255 || w % 8 != 0)
        throw std::runtime_error("cursor size not supported");
    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const std::uint32_t imageSize = 40 + 16 * 4 + static_cast<std::uint32_t>((xorStride + andStride) * h);

    ByteWriter out;
    out.u16(0);
    out.u16(2); // cursor
    out.u16(1);
    out.u8(static_cast<std::uint32_t>(w));
    out.u8(static_cast<std::uint32_t>(h));
    out.u8(16);
    out.u8(0);
    out.u16(static_cast<std::uint32_t>(hotspotX));
    out.u16(static_cast<std::uint32_t>(hotspotY));
    out.u32(imageSize);
    out.u32(6 + 16);

    out.u32(40);
    out.i32(w);
    out.i32(2 * h); // XOR and AND halves
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>((xorStride + andStride) * h));
    out.i32(0);
    out.i32(0);
    out.u32(16);
    out.u32(0);
    for (int i = 0; i < 16; ++i) {
        std::uint32_t rgb = i == 0 ? 0 : image.palette()[static_cast<size_t>(i)];
        out.u8(rgb & 0xFF);
        out.u8((rgb >> 8) & 0xFF);
        out.u8((rgb >> 16) & 0xFF);
        out.u8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < xorStride * 2; x += 2) {
            auto pixel = [&](int px) -> std::uint32_t {
                if (px >= w)
                    return 0;
                std::uint8_t v = image.at(px, y);
                if (v > 15)
                    throw std::runtime_error("cursor uses more than 16 colours");
                return v;
            };
            out.u8(pixel(x) << 4 | pixel(x + 1));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int byte = 0; byte < andStride; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                int x = byte * 8 + bit;
                bool transparent = x >= w || image.at(x, y) == 0;
                if (transparent)
                    bits |= 0x80u >> bit;
            }
            out.u8(bits);
        }
    }
    return out.bytes();
}
