#pragma once

#include "Canvas.h"

// The caber game's score card (362 by 316): a light card with three empty rows from y 122, 26 pixels
// apart, where the program writes each throw's number at x 35 and its result at x 90 in navy; a close
// mark inside (342, 12)-(351, 21); and the invitation to click the card for the web site.
class CaberScoreCardPainter {
public:
    static constexpr int firstRow = 122;
    static constexpr int rowStep = 26;
    static constexpr int rows = 3;

    void paint(Canvas& canvas) const;
};
