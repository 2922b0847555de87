#include "InstructionsPainter.h"

#include "FishPainter.h"
#include "Ink.h"
#include "PanelPainter.h"

void InstructionsPainter::paint(Canvas& canvas) const {
    const PanelPainter panel;
    panel.instructionsHeader(canvas, "Fishing");
    FishPainter(0).paintAt(canvas, {178, 32}, 1.0, false);
    FishPainter(1).paintAt(canvas, {226, 44}, 0.9, false);
    FishPainter(2).paintAt(canvas, {270, 30}, 0.9, false);

    panel.instructionsBody(canvas,
                           {"Catch all the fish as quickly as you can.",
                            "Hold Down to swim deeper, let go to float back up.",
                            "Press Left to swipe at fish swimming left to right, Right at fish swimming "
                            "right to left."});
}
