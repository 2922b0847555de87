#include "IndexedImage.h"

Mask IndexedImage::mask() const {
    Mask m(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            m.set(x, y, at(x, y) != 0);
    return m;
}
