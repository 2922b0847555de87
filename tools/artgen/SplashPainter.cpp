#include "SplashPainter.h"

#include "Ink.h"
#include "LogoPainter.h"
#include "PanelPainter.h"
#include "TextPainter.h"

void SplashPainter::paint(Canvas& canvas, const CharacterPainter::Pose& pose) const {
    PanelPainter panel;
    panel.background(canvas);
    const Point bubbles[] = {{232, 62}, {221, 96}, {246, 128}, {480, 44}, {262, 236}, {470, 251}, {205, 30}};
    const double radii[] = {5, 3.5, 2.5, 3.5, 3.5, 4.5, 2.5};
    for (int i = 0; i < 7; ++i)
        panel.bubble(canvas, bubbles[i], radii[i]);

    CharacterPainter::Lines lines;
    lines.silhouette = 3;
    lines.eye = 2.5;
    lines.detail = 2.2;
    const double s = 2.25;
    canvas.save();
    canvas.translate(12, 32);
    canvas.scale(s, s);
    CharacterPainter(lines).paintIdle(canvas, pose);
    canvas.restore();

    LogoPainter().paint(canvas, {368, 74}, 52);
    TextPainter("Comic Neue", true, 68)
        .drawTitle(canvas, 368, 196, "Fleeba", Ink::bodyRim, Ink::body, 3, Ink::outline);
    TextPainter("Comic Neue", true, 30)
        .drawTitle(canvas, 368, 236, "Desktop Toy", Ink::fishHighlight, Ink::crest, 2.5, Ink::outline);

    const std::string hint = "Right-click me on your desktop to play games!";
    TextPainter hintText("DejaVu Sans", false, 13);
    const double textWidth = hintText.width(canvas, hint);
    const double boxW = textWidth + 28, boxH = 26;
    const double boxX = 501 - 8 - boxW, boxY = 316 - 8 - boxH;
    canvas.fillOutlined([&](Canvas& c) { c.roundedRect(boxX, boxY, boxW, boxH, boxH / 2); },
                        Ink::panelBottom.withAlpha(0.85), 1.5, Ink::water);
    hintText.draw(canvas, boxX + boxW / 2, boxY + 18, hint, Ink::foam, 0, Ink::outline,
                  TextPainter::Align::Centre);
}
