#include "BmpWriter.h"

#include "ByteWriter.h"
#include "RleEncoder.h"

std::vector<std::uint8_t> BmpWriter::write(const IndexedImage& image) {
    const std::vector<std::uint8_t> rle = RleEncoder::encode(image);
    const std::uint32_t headers = 14 + 40 + 256 * 4;
    ByteWriter w;
    w.u8('B');
    w.u8('M');
    w.u32(headers + static_cast<std::uint32_t>(rle.size()));
    w.u16(0);
    w.u16(0);
    w.u32(headers);

    w.u32(40);
    w.i32(image.width());
    w.i32(image.height()); // positive: rows stored bottom-up
    w.u16(1);
    w.u16(8);
    w.u32(1); // BI_RLE8
    w.u32(static_cast<std::uint32_t>(rle.size()));
    w.i32(2835); // 72 dpi
    w.i32(2835);
    w.u32(256);
    w.u32(0);

    for (std::uint32_t rgb : image.palette()) {
        w.u8(rgb & 0xFF);
        w.u8((rgb >> 8) & 0xFF);
        w.u8((rgb >> 16) & 0xFF);
        w.u8(0);
    }
    w.append(rle);
    return w.bytes();
}
