#pragma once

#include "app/Game.h"
#include "gui/FrameSequence.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::app {

class FleebaApp;

// The title panel shown for 65 ticks at start; when its animation has played once, the idle character
// takes its place.
class FleebaSplashScreen : public gui::SpriteWindow, public Game {
public:
    static const gui::FrameSequence animation;

    FleebaSplashScreen(gui::Timer& timer, FleebaApp* app);

    void start() override;
    void stop() override;
    // The splash picture.
    SIZE layoutSize() const override { return SIZE{501, 316}; }
    void onSpriteFinished() override;

    const gui::SequenceSprite& sprite() const { return sprite_; }

private:
    gui::SequenceSprite sprite_;
    FleebaApp* app_; // not owned
};

} // namespace tamba::app
