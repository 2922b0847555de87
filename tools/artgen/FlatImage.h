#pragma once

#include "Color.h"
#include "Mask.h"

#include <cstdint>
#include <vector>

// A drawn picture cut to its mask: opaque 0xRRGGBB colours for masked pixels, each composited over the
// outline ink so antialiased edges turn dark rather than leaving a light fringe on a dark desktop.
class FlatImage {
public:
    // pixels: premultiplied ARGB as cairo leaves them. A pixel is in the mask when its alpha is 50 % or more.
    FlatImage(int width, int height, const std::vector<std::uint32_t>& pixels, const Color& edgeInk);

    int width() const { return mask_.width(); }
    int height() const { return mask_.height(); }
    const Mask& mask() const { return mask_; }
    // Only meaningful where the mask is set.
    std::uint32_t rgb(int x, int y) const { return rgb_[static_cast<size_t>(y) * width() + x]; }

private:
    Mask mask_;
    std::vector<std::uint32_t> rgb_;
};
