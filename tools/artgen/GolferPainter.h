#pragma once

#include "Canvas.h"
#include "Point.h"
#include "Rect.h"

// The golfer, seen from above in its 110 by 110 frame: the character stands at the centre facing the ball
// and turns through sixteen aims; a shot flies a quarter turn counter-clockwise from the club, to the
// golfer's left. Six poses per aim: addressing the ball, backswing, two stages of the follow-through and
// two frames watching the ball go.
class GolferPainter {
public:
    static constexpr int size = 110;
    static constexpr int aims = 16;
    static constexpr int poses = 6;

    // Aim 1 to 15 are 811 + 10 (aim - 1) + pose; aim 0 is 961 + pose.
    static int picture(int aim, int pose);
    // The box (right and bottom exclusive, relative to the frame) in which the game expects the club head
    // of the addressing pose; it may reach past the frame, meaning the head lies at that edge.
    static Rect headBox(int aim);

    void paint(Canvas& canvas, int aim, int pose) const;
};
