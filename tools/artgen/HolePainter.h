#pragma once

#include "Canvas.h"

// The hole (53 by 65): a dark cup on a patch of green in the lower left, where the ball drops in (the cup
// stays inside (0, 33)-(29, 65)), and a flag on a pole rising from it.
class HolePainter {
public:
    static constexpr int width = 53;
    static constexpr int height = 65;

    void paint(Canvas& canvas) const;
};
