#include "CaberInstructionsPainter.h"

#include "CaberThrowerPainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TargetPainter.h"

void CaberInstructionsPainter::paint(Canvas& canvas) const {
    const PanelPainter panel;
    panel.instructionsHeader(canvas, "Caber Toss");
    // The target ahead and Fleeba ready with the caber.
    canvas.save();
    canvas.translate(208, 38);
    canvas.scale(0.2, 0.2);
    TargetPainter().paint(canvas);
    canvas.restore();
    canvas.save();
    canvas.translate(272, 5);
    canvas.scale(0.24, 0.24);
    CaberThrowerPainter().paint(canvas, 6);
    canvas.restore();

    panel.instructionsBody(
        canvas,
        {"Hold the Left arrow key: Fleeba runs toward the line, and every key repeat adds power.",
         "Release Left before the line to throw.",
         "Land the caber in the target rings: centre 50, middle 25, outer 10.", "Three throws per round."});
}
