#pragma once

#include "Canvas.h"
#include "Point.h"

// The caber in flight, frames 620 to 629 (198 by 195), without the thrower. 0-4 turn it over as it flies
// left, 5-9 land it on its end and topple it flat. Each frame keeps the same end of the log on the point
// the program holds still when it switches pictures, so the log never jumps.
class CaberFlightPainter {
public:
    static constexpr int width = 198;
    static constexpr int height = 195;
    static constexpr int frames = 10;

    static Point pivot(int frame);
    // The direction from the pivot end along the log, radians clockwise on screen from +x.
    static double angle(int frame);

    void paint(Canvas& canvas, int frame) const;
};
