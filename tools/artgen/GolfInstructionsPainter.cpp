#include "GolfInstructionsPainter.h"

#include "BallPainter.h"
#include "GolferPainter.h"
#include "HolePainter.h"
#include "Ink.h"
#include "PanelPainter.h"

void GolfInstructionsPainter::paint(Canvas& canvas) const {
    const PanelPainter panel;
    panel.instructionsHeader(canvas, "Golf");
    canvas.save();
    canvas.translate(258, 6);
    canvas.scale(0.85, 0.85);
    HolePainter().paint(canvas);
    canvas.restore();
    // Fleeba lining up a shot at the ball, the hole beyond.
    canvas.save();
    canvas.translate(112, -6);
    canvas.scale(0.75, 0.75);
    GolferPainter().paint(canvas, 15, 0);
    canvas.restore();
    BallPainter().paintAt(canvas, {195, 16}, 0.8);

    panel.instructionsBody(canvas,
                           {"Drag Fleeba next to the ball, then click Fleeba.",
                            "Use the Left and Right arrow keys to aim.",
                            "Hold Up to wind up the swing (longer = more power), release Up to swing.",
                            "Sink the ball in nine holes with as few shots as possible."});
}
