#pragma once

#include "Canvas.h"
#include "Point.h"

#include <vector>

// A tapering tube along a smooth spine: necks, tails and limbs. Widths are given at the spine's ends and
// interpolated along its length.
class Tube {
public:
    Tube(const std::vector<Point>& spine, double startWidth, double endWidth, int samples = 48);

    // The whole outline (left edge forward, right edge back). Ends are square; a caller rounds them off
    // with caps or hides them under other parts.
    void outline(Canvas& canvas) const;
    // A strip between two signed fractions of the half width: -1 is the left edge (seen walking from the
    // start of the spine to its end, on screen), +1 the right edge. from..to over part of the length.
    void strip(Canvas& canvas, double side0, double side1, double t0 = 0, double t1 = 1) const;
    // Point at length fraction t and side fraction s.
    Point at(double t, double side) const;
    // Unit direction of the spine at t.
    Point direction(double t) const;
    double halfWidth(double t) const;

private:
    std::vector<Point> centre_;
    std::vector<Point> normal_; // towards the right edge
    std::vector<double> half_;
};
