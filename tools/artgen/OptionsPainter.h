#pragma once

#include "Canvas.h"

// The Options dialog backdrop (362 by 316): heading and badge at the top, calm dark areas where the dialog
// puts its check boxes (left) and its OK and Cancel buttons (lower right).
class OptionsPainter {
public:
    void paint(Canvas& canvas) const;
};
