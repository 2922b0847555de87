#include "CaberFlightPainter.h"

#include "CaberLogPainter.h"
#include "Ink.h"

#include <cmath>

namespace {

const Point pivots[CaberFlightPainter::frames] = {{187, 184}, {190, 182}, {190, 181}, {191, 104}, {185, 40},
                                                  {97, 187},  {129, 189}, {127, 189}, {183, 184}, {195, 185}};
// Degrees from upright towards the left; past 90 the far end has dropped below the pivot end.
const double tilts[CaberFlightPainter::frames] = {10, 30, 55, 95, 125, 8, 30, 42, 90, 90};

} // namespace

Point CaberFlightPainter::pivot(int frame) {
    return pivots[frame];
}

double CaberFlightPainter::angle(int frame) {
    return (-90 - tilts[frame]) * M_PI / 180;
}

void CaberFlightPainter::paint(Canvas& canvas, int frame) const {
    CaberLogPainter().paintFrom(canvas, pivot(frame), angle(frame));
    if (frame == 5) {
        // A puff of dust where it strikes the ground, outlined so it shows on white.
        for (const Point& d : {Point{-14, -3}, Point{12, -4}, Point{-24, -1}, Point{22, -1}})
            canvas.fillOutlined([&](Canvas& k) { k.ellipse(pivot(frame) + d, 4.5, 3.2); }, Ink::sand, 1.5,
                                Ink::outline);
    }
}
