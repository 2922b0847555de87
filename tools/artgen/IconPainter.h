#pragma once

#include "Canvas.h"

// The program icon: the character's head, square, at any of the usual icon sizes.
class IconPainter {
public:
    void paint(Canvas& canvas) const;
};
