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

    // Bubbles only where no control sits.
    const Point bubbles[] = {{300, 100}, {318, 128}, {289, 150}, {326, 168}, {226, 250}, {214, 280}};
    const double radii[] = {5, 3, 4, 2.5, 3, 2};
    for (int i = 0; i < 6; ++i)
        panel.bubble(canvas, bubbles[i], radii[i]);

    // The character in the lower left corner, clear of the check boxes above it.
    const double s = 0.72;
    canvas.save();
    canvas.translate(22, 316 - 8 - CharacterPainter::modelHeight * s);
    canvas.scale(s, s);
    CharacterPainter().paintIdle(canvas, {CharacterPainter::Facing::Right});
    canvas.restore();
}
