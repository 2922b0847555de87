#pragma once

#include "Canvas.h"

// The golf game's score card (362 by 316): a light card with the hole numbers 1 to 9 down a column at x 42,
// leaving the rows from y 118, 15 pixels apart, free at x 90 where the program writes each hole's shots
// in navy; a close mark inside (342, 12)-(351, 21); and the invitation to click the card for the web site.
class GolfScoreCardPainter {
public:
    static constexpr int firstRow = 118;
    static constexpr int rowStep = 15;
    static constexpr int rows = 9;

    void paint(Canvas& canvas) const;
};
