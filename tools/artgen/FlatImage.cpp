#include "FlatImage.h"

#include <cmath>

FlatImage::FlatImage(int width, int height, const std::vector<std::uint32_t>& pixels, const Color& edgeInk)
    : mask_(width, height), rgb_(static_cast<size_t>(width) * height, 0) {
    const int ink[3] = {static_cast<int>(std::lround(edgeInk.r * 255)),
                        static_cast<int>(std::lround(edgeInk.g * 255)),
                        static_cast<int>(std::lround(edgeInk.b * 255))};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            int a = static_cast<int>(p >> 24);
            if (a < 128)
                continue;
            mask_.set(x, y, true);
            std::uint32_t out = 0;
            for (int c = 0; c < 3; ++c) {
                int premul = static_cast<int>((p >> (16 - 8 * c)) & 0xFF);
                int v = premul + ((255 - a) * ink[c] + 127) / 255;
                out |= static_cast<std::uint32_t>(v > 255 ? 255 : v) << (16 - 8 * c);
            }
            rgb_[static_cast<size_t>(y) * width + x] = out;
        }
    }
}
