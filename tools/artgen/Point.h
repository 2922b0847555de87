#pragma once

#include <cmath>

// A point or offset in a painter's drawing units.
struct Point {
    double x = 0, y = 0;

    Point operator+(const Point& o) const { return {x + o.x, y + o.y}; }
    Point operator-(const Point& o) const { return {x - o.x, y - o.y}; }
    Point operator*(double k) const { return {x * k, y * k}; }
    double length() const { return std::hypot(x, y); }
    Point normalized() const {
        double l = length();
        return l > 0 ? Point{x / l, y / l} : Point{0, 0};
    }
    // Perpendicular, turned a quarter to the left in screen coordinates (y down).
    Point perp() const { return {y, -x}; }
    Point lerp(const Point& o, double t) const { return {x + (o.x - x) * t, y + (o.y - y) * t}; }
};
