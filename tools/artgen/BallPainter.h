#pragma once

#include "Canvas.h"
#include "Point.h"

// The golf ball (16 by 16): white with dimples, a round dark outline and one soft shade away from the light.
class BallPainter {
public:
    static constexpr int size = 16;

    void paint(Canvas& canvas) const;
    // The same ball centred anywhere, scale 1 being the sprite's size; for the panels.
    void paintAt(Canvas& canvas, Point centre, double scale) const;
};
