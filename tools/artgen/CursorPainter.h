#pragma once

#include "Canvas.h"

// The pointing hand shown over links (32 by 32); the hotspot is the tip of the index finger.
class CursorPainter {
public:
    static constexpr int size = 32;
    static constexpr int hotspotX = 12;
    static constexpr int hotspotY = 1;

    void paint(Canvas& canvas) const;
};
