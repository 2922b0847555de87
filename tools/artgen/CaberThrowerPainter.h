#pragma once

#include "BodyPainter.h"
#include "Canvas.h"

// The caber thrower, frames 600 to 612 (189 by 251): side view facing left, feet on the frame's bottom.
// 0-5 run with the caber held upright, 6 stands ready, 7-9 crouch and heave it up, 10 lets go of it
// towards the top left, 11 and 12 follow through with empty flippers, 12 with both raised.
class CaberThrowerPainter {
public:
    static constexpr int width = 189;
    static constexpr int height = 251;
    static constexpr int frames = 13;

    void paint(Canvas& canvas, int frame) const;
    static BodyPainter::Pose pose(int frame);
    // Whether the frame still shows the caber, and where its butt and top are.
    static bool holdsCaber(int frame);
    static void caber(int frame, Point& butt, Point& top);
};
