#pragma once

#include "games/fishing/FishSprite.h"
#include "gui/FrameSequence.h"
#include "gui/SpriteWindow.h"

namespace tamba::games {

// One fish swimming sideways across the lower half of the monitor the game plays on, wrapping round at
// its edge.
class FishWindow : public gui::SpriteWindow {
public:
    static const gui::FrameSequence idle;
    static const gui::FrameSequence flick;
    static const gui::FrameSequence caught;

    FishWindow(gui::Timer& timer, int pair, int rowY, bool headsRight, int kind);

    // Puts the fish back in the water at a random place on its row.
    void reset();
    void setRow(int rowY);
    // Netted by the diver: it vanishes until the game shows it in the stack of caught fish.
    void hook();
    void onSpriteFinished() override;

    bool headsRight() const { return headsRight_; }
    int kind() const { return kind_; }
    int rowY() const { return rowY_; }
    bool hooked() const { return sprite_.hooked; }
    FishSprite& sprite() { return sprite_; }

    int wrapX = 0;
    int limitX = 0;
    // Milliseconds from the game's start until the fish was brought up.
    int elapsed = 0;

private:
    FishSprite sprite_;
    bool headsRight_;
    int kind_;
    int rowY_;
};

} // namespace tamba::games
