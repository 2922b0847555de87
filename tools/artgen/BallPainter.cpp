#include "BallPainter.h"

#include "Ink.h"

void BallPainter::paint(Canvas& canvas) const {
    paintAt(canvas, {size / 2.0, size / 2.0}, 1.0);
}

void BallPainter::paintAt(Canvas& canvas, Point centre, double scale) const {
    // Radius plus the 2 px outline fills the sprite's box to the edge.
    const double r = 5.8 * scale;
    auto ball = [&](Canvas& c) { c.ellipse(centre, r, r); };
    canvas.fillOutlined(ball, Ink::golfBall, 2, Ink::outline);
    canvas.crescent(ball, Ink::dimple.mix(Ink::golfBall, 0.35), -1.8 * scale, -1.8 * scale);
    const Point dimples[] = {{-1.6, -2.4}, {1.4, -2.6}, {-0.2, 0.2}, {2.6, 0.4}, {-2.6, 1.0}, {0.9, 2.8}};
    for (const Point& d : dimples)
        canvas.fill([&](Canvas& c) { c.ellipse(centre + d * scale, 0.95 * scale, 0.95 * scale); },
                    Ink::dimple);
}
