#pragma once

#include "Canvas.h"

// The throwing line's marker (57 by 60): a white painted line across a patch of grass with a small
// flag on a post at its end, so the line reads even where the desktop is green or white.
class ThrowLinePainter {
public:
    static constexpr int width = 57;
    static constexpr int height = 60;

    void paint(Canvas& canvas) const;
};
