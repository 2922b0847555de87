#include "OptionsPainter.h"

#include "CharacterPainter.h"
#include "Ink.h"
#include "LogoPainter.h"
#include "PanelPainter.h"
#include "TextPainter.h"

void OptionsPainter::paint(Canvas& canvas) const {
    PanelPainter panel;
    panel.background(canvas, 0.5);
    panel.frame(canvas);
    LogoPainter().paint(canvas, {44, 40}, 27);
    TextPainter("Comic Neue", true, 40)
        .drawTitle(canvas, 82, 54, "Options", Ink::bodyRim, Ink::body, 2.5, Ink::outline,
                   TextPainter::Align::Left);
    // A rule under the heading.
    canvas.stroke(
        [](Canvas& c) {
            c.moveTo({82, 66});
            c.lineTo({340, 66});
        },
        Ink::underwater, 2);

    // The controls sit on a card of exactly the blue the dialog paints behind them, so their boxes
    // vanish into it instead of showing as patches on the gradient.
    const Color controlBlue = Color::hex(0x000080);
    canvas.fillOutlined([](Canvas& c) { c.roundedRect(12, 78, 338, 196, 12); }, controlBlue, 2,
                        Ink::underwater);

    // Bubbles only where no control sits, at the window's right inside the card and above it.
    const Point bubbles[] = {{300, 100}, {318, 128}, {289, 150}, {326, 172}, {252, 28}, {238, 46}};
    const double radii[] = {5, 3, 4, 2.5, 3, 2};
    for (int i = 0; i < 6; ++i)
        panel.bubble(canvas, bubbles[i], radii[i]);

    // The character stands in front of the card's lower left corner, below the check boxes.
    const double s = 0.6;
    canvas.save();
    canvas.translate(26, 316 - 6 - CharacterPainter::modelHeight * s);
    canvas.scale(s, s);
    CharacterPainter().paintIdle(canvas, {CharacterPainter::Facing::Right});
    canvas.restore();
}
