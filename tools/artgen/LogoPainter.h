#pragma once

#include "Canvas.h"
#include "Point.h"

// The round Fleeba badge: the character rising from waves under a sky, in an orange ring.
class LogoPainter {
public:
    // radius: outer radius of the ring in pixels.
    void paint(Canvas& canvas, Point centre, double radius) const;
};
