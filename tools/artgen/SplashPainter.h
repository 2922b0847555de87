#pragma once

#include "Canvas.h"
#include "CharacterPainter.h"

// The start-up panel (501 by 316): the character large on the left, badge, title and the hint that a
// right-click on the desktop character offers the games.
class SplashPainter {
public:
    void paint(Canvas& canvas, const CharacterPainter::Pose& pose) const;
};
