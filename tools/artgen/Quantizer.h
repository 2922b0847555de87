#pragma once

#include "FlatImage.h"
#include "IndexedImage.h"

#include <cstdint>
#include <vector>

// Reduces one animation set to a single shared 256-entry palette. Index 0 is kept for the background, so
// a reader recovers each frame's mask as "index != 0". Without dithering every colour maps to one index
// in all frames, so frames that match pixel for pixel also match index for index.
class Quantizer {
public:
    enum class Dither { None, Light };

    // maxColours: palette entries for the picture itself, besides the background (at most 255).
    Quantizer(std::uint32_t background, Dither dither, int maxColours = 255)
        : background_(background), dither_(dither), maxColours_(maxColours) {}

    std::vector<IndexedImage> quantize(const std::vector<const FlatImage*>& frames) const;

private:
    IndexedImage::Palette buildPalette(const std::vector<const FlatImage*>& frames, int& used) const;
    IndexedImage remap(const FlatImage& frame, const IndexedImage::Palette& palette, int used) const;

    std::uint32_t background_;
    Dither dither_;
    int maxColours_;
};
