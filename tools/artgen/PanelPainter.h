#pragma once

#include "Canvas.h"
#include "Point.h"

#include <initializer_list>

// The dark blue underwater backdrop shared by the splash, Options, instruction and score panels.
class PanelPainter {
public:
    // Gradient, light shafts from the upper left and a darker sea floor swell at the bottom.
    // rays: strength of the shafts, 1 for the splash, less behind dialog controls.
    void background(Canvas& canvas, double rays = 1.0) const;
    // A rising bubble with its outline and catchlight.
    // Opaque bubbles for sprites, where a see-through middle would show the desktop.
    void bubble(Canvas& canvas, Point centre, double radius, bool opaque = false) const;
    // A small light X with its outline, kept inside the box (left, top, right, bottom; right and bottom
    // exclusive) where the program looks for a click.
    void closeMark(Canvas& canvas, int left, int top, int right, int bottom) const;
    // A thin lighter frame just inside the edge.
    void frame(Canvas& canvas) const;

    // An instructions picture is its header (backdrop, frame, close mark, title), the game's own small
    // scene beside the title, then its body: a rule, "How to play" with one paragraph a step, and the
    // play button inside the box where the program looks for the click.
    void instructionsHeader(Canvas& canvas, const char* title) const;
    void instructionsBody(Canvas& canvas, std::initializer_list<const char*> steps) const;
    // A score card's header: the same as an instructions picture's, with a smaller title.
    void scoreCardHeader(Canvas& canvas, const char* title) const;

private:
    void header(Canvas& canvas, const char* title, double size, double baseline) const;
};
