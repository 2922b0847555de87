#pragma once

#include <cstdint>
#include <vector>

// A .ico file of 32-bit images (alpha plus the AND mask that older shells read).
class IconWriter {
public:
    struct Image {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> premultiplied; // 0xAARRGGBB from cairo, top row first
    };

    static std::vector<std::uint8_t> write(const std::vector<Image>& images);
};
