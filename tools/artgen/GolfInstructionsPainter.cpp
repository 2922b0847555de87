#include "GolfInstructionsPainter.h"

#include "BallPainter.h"
#include "GolferPainter.h"
#include "HolePainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TextPainter.h"

void GolfInstructionsPainter::paint(Canvas& canvas) const {
    PanelPainter panel;
    panel.background(canvas, 0.6);
    panel.frame(canvas);
    panel.closeMark(canvas, 342, 12, 351, 21);

    TextPainter("Comic Neue", true, 34)
        .drawTitle(canvas, 22, 50, "Golf", Ink::fishHighlight, Ink::crest, 2.5, Ink::outline,
                   TextPainter::Align::Left);
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

    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({22, 66});
            c.lineTo({340, 66});
        },
        Ink::underwater, 2);

    const TextPainter heading("Comic Neue", true, 17);
    const TextPainter body("DejaVu Sans", false, 12.5);
    const double left = 24, width = 324, step = 17;
    double y = 92;
    heading.draw(canvas, left, y, "How to play", Ink::ripple, 0, Ink::outline);
    y += 22;
    const char* steps[] = {"Drag Fleeba next to the ball, then click Fleeba.",
                           "Use the Left and Right arrow keys to aim.",
                           "Hold Up to wind up the swing (longer = more power), release Up to swing.",
                           "Sink the ball in nine holes with as few shots as possible."};
    for (const char* text : steps)
        y = body.drawWrapped(canvas, left, y, width, step, text, Ink::foam) + 7;

    // Play button, its outline inside the click box.
    auto button = [](Canvas& c) { c.roundedRect(288, 262, 56, 35, 9); };
    canvas.fillOutlined(button, Ink::crest, 2, Ink::outline);
    canvas.crescent(button, Ink::crestShade, -2.5, -2.5);
    TextPainter("Comic Neue", true, 18)
        .draw(canvas, 316, 285.5, "Play", Ink::outline, 0, Ink::outline, TextPainter::Align::Centre);
    TextPainter("DejaVu Sans", false, 11)
        .draw(canvas, 276, 284, "Ready?", Ink::ripple, 0, Ink::outline, TextPainter::Align::Right);
}
