#pragma once

#include "Canvas.h"

// The fishing game's score board (362 by 316): a light card on which the program writes ten rows in navy
// from y 122, 13 pixels apart, the fish count at x 39 and the time at x 89; a close mark inside
// (342, 12)-(351, 21); and the invitation to click the card for the web site.
class ScoreBoardPainter {
public:
    static constexpr int firstRow = 122;
    static constexpr int rowStep = 13;
    static constexpr int rows = 10;

    void paint(Canvas& canvas) const;
};
