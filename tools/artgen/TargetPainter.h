#pragma once

#include "Canvas.h"
#include "Rect.h"

// The target on the ground seen at an angle (287 by 162): three elliptical rings, the inner ones set back
// towards the far edge. Each ring's band, from its outer edge to the next ring's fill, is also the hit area
// the program loads as a region of its own (115 outer, 116 middle, 117 centre), in the target's
// coordinates, so a caber scores the ring it is seen to land on.
class TargetPainter {
public:
    static constexpr int width = 287;
    static constexpr int height = 162;
    static constexpr int rings = 3;

    // Bounds (right and bottom exclusive) of ring 0 (outer), 1 (middle) or 2 (centre).
    static Rect bounds(int ring);
    static int regionNumber(int ring) { return 115 + ring; }

    void paint(Canvas& canvas) const;
    // Only that ring's band, for its region.
    void paintArea(Canvas& canvas, int ring) const;
};
