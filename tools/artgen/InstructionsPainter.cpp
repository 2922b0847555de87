#include "InstructionsPainter.h"

#include "FishPainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TextPainter.h"

void InstructionsPainter::paint(Canvas& canvas) const {
    PanelPainter panel;
    panel.background(canvas, 0.6);
    panel.frame(canvas);
    panel.closeMark(canvas, 342, 12, 351, 21);

    TextPainter("Comic Neue", true, 34)
        .drawTitle(canvas, 22, 50, "Fishing", Ink::fishHighlight, Ink::crest, 2.5, Ink::outline,
                   TextPainter::Align::Left);
    FishPainter(0).paintAt(canvas, {178, 32}, 1.0, false);
    FishPainter(1).paintAt(canvas, {226, 44}, 0.9, false);
    FishPainter(2).paintAt(canvas, {270, 30}, 0.9, false);

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
    y = body.drawWrapped(canvas, left, y, width, step, "Catch all the fish as quickly as you can.",
                         Ink::foam);
    y += 7;
    y = body.drawWrapped(canvas, left, y, width, step, "Hold Down to swim deeper, let go to float back up.",
                         Ink::foam);
    y += 7;
    body.drawWrapped(
        canvas, left, y, width, step,
        "Press Left to swipe at fish swimming left to right, Right at fish swimming right to left.",
        Ink::foam);

    // Play button, its outline inside the click box.
    auto button = [](Canvas& c) { c.roundedRect(288, 262, 56, 35, 9); };
    canvas.fillOutlined(button, Ink::crest, 2, Ink::outline);
    canvas.crescent(button, Ink::crestShade, -2.5, -2.5);
    TextPainter("Comic Neue", true, 18)
        .draw(canvas, 316, 285.5, "Play", Ink::outline, 0, Ink::outline, TextPainter::Align::Centre);
    TextPainter("DejaVu Sans", false, 11)
        .draw(canvas, 276, 284, "Ready?", Ink::ripple, 0, Ink::outline, TextPainter::Align::Right);
}
