#include "CaberInstructionsPainter.h"

#include "CaberThrowerPainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TargetPainter.h"
#include "TextPainter.h"

void CaberInstructionsPainter::paint(Canvas& canvas) const {
    PanelPainter panel;
    panel.background(canvas, 0.6);
    panel.frame(canvas);
    panel.closeMark(canvas, 342, 12, 351, 21);

    TextPainter("Comic Neue", true, 34)
        .drawTitle(canvas, 22, 50, "Caber Toss", Ink::fishHighlight, Ink::crest, 2.5, Ink::outline,
                   TextPainter::Align::Left);
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
    const char* steps[] = {
        "Hold the Left arrow key: Fleeba runs toward the line, and every key repeat adds power.",
        "Release Left before the line to throw.",
        "Land the caber in the target rings: centre 50, middle 25, outer 10.", "Three throws per round."};
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
