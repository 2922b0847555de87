#include "CursorPainter.h"

#include "Ink.h"

void CursorPainter::paint(Canvas& canvas) const {
    const double line = 1.5;
    auto hand = [](Canvas& c) {
        // Index finger pointing up, three curled fingers to its right, the palm below.
        c.roundedRect(9.5, 1.5, 6, 17, 3);
        c.roundedRect(15, 10, 4.5, 9, 2.2);
        c.roundedRect(19, 11, 4.5, 9, 2.2);
        c.roundedRect(23, 12.5, 4, 8.5, 2);
        c.roundedRect(9.5, 14, 18, 12.5, 4);
        c.ellipse({8.6, 18.6}, 4.2, 2.8, 0.75);
    };
    canvas.save();
    // One pixel of air above the fingertip, which is the hotspot.
    canvas.translate(0, 1);
    cairo_set_fill_rule(canvas.cr(), CAIRO_FILL_RULE_WINDING);
    canvas.fillOutlined(hand, Ink::eyeWhite, line, Ink::outline);
    canvas.crescent(hand, Ink::eyeShade, -1.5, -1.5);
    // Creases between the curled fingers.
    for (double fx : {19.2, 23.1})
        canvas.stroke(
            [fx](Canvas& c) {
                c.moveTo({fx, 12.8});
                c.lineTo({fx, 17.0});
            },
            Ink::outline, 1.2, false);
    auto cuff = [](Canvas& c) { c.roundedRect(11, 25.5, 15, 5, 1.5); };
    canvas.fillOutlined(cuff, Ink::body, line, Ink::outline);
    canvas.crescent(cuff, Ink::bodyShade, -1.5, -1.5);
    canvas.restore();
}
