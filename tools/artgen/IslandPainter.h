#pragma once

#include "Canvas.h"

// The fishing game's island (262 by 206): sand and a palm tree on a ring of water whose bottom is the
// picture's bottom edge; optionally the character standing on it, and a flag inviting a click.
class IslandPainter {
public:
    static constexpr int width = 262;
    static constexpr int height = 206;

    void paint(Canvas& canvas, bool withCharacter, bool withFlag) const;

private:
    void paintPalm(Canvas& canvas) const;
    void paintFlag(Canvas& canvas) const;
};
