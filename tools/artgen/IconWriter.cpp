#include "IconWriter.h"

#include "ByteWriter.h"

#include <stdexcept>

namespace {

std::vector<std::uint8_t> imageData(const IconWriter::Image& image) {
    const int w = image.width, h = image.height;
    const int andStride = ((w + 31) / 32) * 4;
    ByteWriter out;
    out.u32(40);
    out.i32(w);
    out.i32(2 * h);
    out.u16(1);
    out.u16(32);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>((w * 4 + andStride) * h));
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = image.premultiplied[static_cast<size_t>(y) * w + x];
            std::uint32_t a = p >> 24;
            // Icons store straight alpha.
            auto straight = [&](int shift) -> std::uint32_t {
                std::uint32_t c = (p >> shift) & 0xFF;
                return a == 0 ? 0 : (c * 255 + a / 2) / a;
            };
            out.u8(straight(0));
            out.u8(straight(8));
            out.u8(straight(16));
            out.u8(a);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int byte = 0; byte < andStride; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                int x = byte * 8 + bit;
                if (x >= w || (image.premultiplied[static_cast<size_t>(y) * w + x] >> 24) < 128)
                    bits |= 0x80u >> bit;
            }
            out.u8(bits);
        }
    }
    return out.bytes();
}

} // namespace

std::vector<std::uint8_t> IconWriter::write(const std::vector<Image>& images) {
    ByteWriter out;
    out.u16(0);
    out.u16(1); // icon
    out.u16(static_cast<std::uint32_t>(images.size()));
    std::vector<std::vector<std::uint8_t>> data;
    for (const Image& image : images) {
        if (image.width > 256 || image.height > 256)
            throw std::runtime_error("icon too large");
        data.push_back(imageData(image));
    }
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.u8(static_cast<std::uint32_t>(images[i].width & 0xFF));
        out.u8(static_cast<std::uint32_t>(images[i].height & 0xFF));
        out.u8(0);
        out.u8(0);
        out.u16(1);
        out.u16(32);
        out.u32(static_cast<std::uint32_t>(data[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(data[i].size());
    }
    for (const auto& d : data)
        out.append(d);
    return out.bytes();
}
