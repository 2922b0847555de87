#pragma once

#include <windows.h>

namespace tamba::gui {

// A list of frame numbers to play, kept alive by whoever provides it while a sprite plays it.
struct FrameSequence {
    // Passes to play; 0 or less plays for ever.
    int repeat;
    // Each below the frame count of the sprite that plays the sequence.
    const int* frames;
    // At least 1.
    int length;
    // Null, or length points: where in each frame's picture lies the point that must keep its place on the
    // screen.
    const POINT* offsets;
};

} // namespace tamba::gui
