#include "GolfScoreCardPainter.h"

#include "BallPainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TextPainter.h"

#include <string>

void GolfScoreCardPainter::paint(Canvas& canvas) const {
    const PanelPainter panel;
    panel.scoreCardHeader(canvas, "Your Round");
    BallPainter().paintAt(canvas, {262, 36}, 1.2);
    BallPainter().paintAt(canvas, {296, 50}, 0.9);

    // The same parchment card as the fishing scores.
    const Color parchment = Color::hex(0xFFF4D8);
    const Color parchmentShade = Color::hex(0xF1DEB0);
    const Color rule = parchmentShade.mix(Ink::outline, 0.12);
    auto card = [](Canvas& c) { c.roundedRect(22, 86, 318, 176, 10); };
    canvas.fillOutlined(card, parchment, 2, Ink::outline);
    canvas.crescent(card, parchmentShade, -4, -4);

    const TextPainter head("DejaVu Sans", true, 11);
    head.draw(canvas, 36, 108, "Hole", Ink::outline, 0, Ink::outline);
    head.draw(canvas, 90, 108, "Shots", Ink::outline, 0, Ink::outline);
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({32, 113.5});
            c.lineTo({330, 113.5});
        },
        Ink::underwater, 1.5, false);
    const TextPainter number("DejaVu Sans", true, 10.5);
    for (int i = 0; i < rows; ++i) {
        const double top = firstRow + rowStep * i;
        // Baseline where the program's 8 pt text sits in its row.
        number.draw(canvas, 42, top + 11, std::to_string(i + 1), Ink::underwater, 0, Ink::outline);
        const double y = top + rowStep - 0.5;
        canvas.stroke(
            [y](Canvas& c) {
                c.moveTo({32, y});
                c.lineTo({330, y});
            },
            rule, 1.0, false);
    }
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({80.5, 98});
            c.lineTo({80.5, 254});
        },
        rule, 1.0, false);

    TextPainter("DejaVu Sans", false, 12.5)
        .draw(canvas, 181, 288, "Click the card to visit our web site", Ink::foam, 0, Ink::outline,
              TextPainter::Align::Centre);
}
