#pragma once

#include "Canvas.h"
#include "Point.h"

// The caber: a long peeled log, a little thicker at its butt end, with light end grain and a shade along
// the side away from the light. The same log for the thrower's frames and the flight, so it stays on-model.
class CaberLogPainter {
public:
    static constexpr double length = 175;
    static constexpr double buttRadius = 6.5;
    static constexpr double topRadius = 5.2;

    // From the centre of the butt's end to the centre of the top's end.
    void paint(Canvas& canvas, Point butt, Point top) const;
    // The butt's end at end, the log pointing from it at angle radians (clockwise on screen from +x).
    void paintFrom(Canvas& canvas, Point end, double angle) const;
};
