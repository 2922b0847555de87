#include "CaberScoreCardPainter.h"

#include "CaberLogPainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TextPainter.h"

void CaberScoreCardPainter::paint(Canvas& canvas) const {
    const PanelPainter panel;
    panel.scoreCardHeader(canvas, "Your Throws");
    // A small caber lying beside the title.
    canvas.save();
    canvas.translate(246, 44);
    canvas.scale(0.45, 0.45);
    CaberLogPainter().paint(canvas, {0, 0}, {150, -22});
    canvas.restore();

    // The same parchment card as the other games' scores.
    const Color parchment = Color::hex(0xFFF4D8);
    const Color parchmentShade = Color::hex(0xF1DEB0);
    const Color rule = parchmentShade.mix(Ink::outline, 0.12);
    auto card = [](Canvas& c) { c.roundedRect(22, 86, 318, 124, 10); };
    canvas.fillOutlined(card, parchment, 2, Ink::outline);
    canvas.crescent(card, parchmentShade, -4, -4);

    const TextPainter head("DejaVu Sans", true, 11);
    head.draw(canvas, 35, 108, "Throw", Ink::outline, 0, Ink::outline);
    head.draw(canvas, 90, 108, "Points", Ink::outline, 0, Ink::outline);
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({32, 114.5});
            c.lineTo({330, 114.5});
        },
        Ink::underwater, 1.5, false);
    // Only the rules between rows: the program writes both the numbers and the results.
    for (int i = 1; i < rows; ++i) {
        const double y = firstRow + rowStep * i - 2.5;
        canvas.stroke(
            [y](Canvas& c) {
                c.moveTo({32, y});
                c.lineTo({330, y});
            },
            rule, 1.0, false);
    }

    TextPainter("DejaVu Sans", false, 12.5)
        .draw(canvas, 181, 270, "Click the card to visit our web site", Ink::foam, 0, Ink::outline,
              TextPainter::Align::Centre);
}
