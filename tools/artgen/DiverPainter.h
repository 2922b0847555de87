#pragma once

#include "BodyPainter.h"
#include "Canvas.h"

// The fishing diver, frames 400 to 421 (158 by 188 each): leaving the island head first, swimming down,
// swiping the net right and left, rising with a catch. Only the character, its net and water effects:
// the island is a window of its own beneath this one.
class DiverPainter {
public:
    static constexpr int width = 158;
    static constexpr int height = 188;
    static constexpr int frames = 22;

    // frame: 0 for picture 400 up to 21 for 421 (which is empty).
    void paint(Canvas& canvas, int frame) const;
    static BodyPainter::Pose pose(int frame);
    // The character standing upright without mask or net, as on the island.
    static BodyPainter::Pose standing(Point torso);

private:
    void paintEffects(Canvas& canvas, int frame) const;
};
