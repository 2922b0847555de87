#include "ScoreBoardPainter.h"

#include "FishPainter.h"
#include "Ink.h"
#include "PanelPainter.h"
#include "TextPainter.h"

void ScoreBoardPainter::paint(Canvas& canvas) const {
    const PanelPainter panel;
    panel.scoreCardHeader(canvas, "Best Catches");
    FishPainter(0).paintAt(canvas, {262, 34}, 0.9, false);
    FishPainter(2).paintAt(canvas, {304, 50}, 0.8, false);

    // The parchment card.
    const Color parchment = Color::hex(0xFFF4D8);
    const Color parchmentShade = Color::hex(0xF1DEB0);
    auto card = [](Canvas& c) { c.roundedRect(22, 86, 318, 176, 10); };
    canvas.fillOutlined(card, parchment, 2, Ink::outline);
    canvas.crescent(card, parchmentShade, -4, -4);

    const TextPainter head("DejaVu Sans", true, 11);
    head.draw(canvas, 39, 110, "Fish", Ink::outline, 0, Ink::outline);
    head.draw(canvas, 89, 110, "Time", Ink::outline, 0, Ink::outline);
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({32, 116.5});
            c.lineTo({330, 116.5});
        },
        Ink::underwater, 1.5, false);
    // Rules under each row, and a faint column divider.
    for (int i = 1; i <= rows; ++i) {
        const double y = firstRow + rowStep * i - 0.5;
        canvas.stroke(
            [y](Canvas& c) {
                c.moveTo({32, y});
                c.lineTo({330, y});
            },
            parchmentShade.mix(Ink::outline, 0.12), 1.0, false);
    }
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({80.5, 100});
            c.lineTo({80.5, 254});
        },
        parchmentShade.mix(Ink::outline, 0.12), 1.0, false);

    TextPainter("DejaVu Sans", false, 12.5)
        .draw(canvas, 181, 288, "Click the card to visit our web site", Ink::foam, 0, Ink::outline,
              TextPainter::Align::Centre);
}
