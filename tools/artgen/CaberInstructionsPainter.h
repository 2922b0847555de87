#pragma once

#include "Canvas.h"

// The caber game's instructions (362 by 316), laid out like the other games': title, how to play, a play
// button inside the box (285, 259)-(347, 300) and a close mark inside (342, 12)-(351, 21).
class CaberInstructionsPainter {
public:
    void paint(Canvas& canvas) const;
};
