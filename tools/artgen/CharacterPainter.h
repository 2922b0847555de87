#pragma once

#include "Canvas.h"
#include "Point.h"
#include "Tube.h"

// Draws Fleeba rising from the water, in the model space of the idle frame (83 by 120 units); callers
// scale and place it. The neck always faces the viewer; only the head turns, so frames that differ in the
// head keep the neck and water pixel for pixel.
class CharacterPainter {
public:
    enum class Facing { Left, Right };
    enum class Eyes { Open, Closed };
    enum class Mouth { Smile, Grin };

    struct Pose {
        Facing facing = Facing::Left;
        Eyes eyes = Eyes::Open;
        Mouth mouth = Mouth::Smile;
        bool diveMask = false;
    };

    // Line widths in device pixels.
    struct Lines {
        double silhouette = 2.0;
        double eye = 1.5;
        double detail = 1.3; // mouth, eyelids, belly lines
    };

    static constexpr double modelWidth = 83;
    static constexpr double modelHeight = 120;
    // Where the neck meets the head, in model units; the head turns about this point.
    static constexpr double neckTopX = 40;
    static constexpr double neckTopY = 40;

    CharacterPainter() = default;
    explicit CharacterPainter(Lines lines) : lines_(lines) {}

    // Water ring, neck and head.
    void paintIdle(Canvas& canvas, const Pose& pose) const;
    // Neck and head without the water (for badges, where the caller draws its own waves).
    void paintFigure(Canvas& canvas, const Pose& pose) const;
    // Head, crest and eyes only (for the icon and small badges).
    void paintHead(Canvas& canvas, const Pose& pose) const;
    // The area around the eyes, in model units, that a blink may change.
    static void eyeArea(double& left, double& top, double& right, double& bottom);

private:
    void paintWaterBack(Canvas& canvas) const;
    void paintWaterFront(Canvas& canvas) const;
    void paintNeck(Canvas& canvas) const;
    void paintCrest(Canvas& canvas) const;
    void paintEye(Canvas& canvas, Point centre, double rx, double ry, Eyes eyes) const;
    void paintMouth(Canvas& canvas, Mouth mouth) const;
    void paintDiveMask(Canvas& canvas) const;
    Tube neck() const;

    Lines lines_;
};
