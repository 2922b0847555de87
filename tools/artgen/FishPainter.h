#pragma once

#include "Canvas.h"
#include "Color.h"
#include "Point.h"

// The three kinds of fish of the fishing game in their 37 by 29 frame. Each kind has its own silhouette
// and colours so they read apart at that size: a round orange one, a slim blue-violet one with a forked
// tail and a tall yellow-green disc. The second frame flicks the tail.
class FishPainter {
public:
    struct Colours {
        Color body, shade, highlight, fin, belly;
    };

    explicit FishPainter(int kind) : kind_(kind) {}

    static const Colours& colours(int kind);

    // The whole fish in its 37 by 29 frame.
    void paint(Canvas& canvas, bool facingRight, bool tailFlicked) const;
    // The fish drawn facing right with its eye at the origin, scaled by the caller; for a catch in the net.
    void paintAt(Canvas& canvas, Point eye, double scale, bool facingRight) const;

private:
    void draw(Canvas& canvas, bool tailFlicked, bool facingRight) const;

    int kind_;
};
