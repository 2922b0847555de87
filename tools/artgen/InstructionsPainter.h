#pragma once

#include "Canvas.h"

// The fishing game's instructions (363 by 316): title, how to play, a play button inside the box
// (285, 259)-(347, 300) and a close mark inside (342, 12)-(351, 21), where the dialog takes clicks.
class InstructionsPainter {
public:
    void paint(Canvas& canvas) const;
};
