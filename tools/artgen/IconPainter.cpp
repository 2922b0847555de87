#include "IconPainter.h"

#include "CharacterPainter.h"

void IconPainter::paint(Canvas& canvas) const {
    const double size = canvas.width();
    // The head with crest spans about 56 by 43 model units around (42, 25).
    const double s = size / 57.0;
    CharacterPainter::Lines lines;
    lines.silhouette = size >= 32 ? 1.5 : 1.0;
    lines.eye = size >= 32 ? 1.2 : 1.0;
    lines.detail = size >= 32 ? 1.0 : 0.8;
    canvas.save();
    canvas.translate(size / 2 - 42 * s, size / 2 - 25.5 * s);
    canvas.scale(s, s);
    CharacterPainter(lines).paintHead(canvas, {CharacterPainter::Facing::Left});
    canvas.restore();
}
