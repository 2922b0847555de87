#pragma once

#include "app/Game.h"
#include "gui/FrameSequence.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::app {

class FleebaApp;

// The character on its own: the "No Game" activity. It sits where it is put, blinks and glances aside at
// random, can be dragged, and opens the popup menu on a right-click.
class FleebaWindow : public gui::SpriteWindow, public Game {
public:
    static const gui::FrameSequence rest;
    static const gui::FrameSequence blink;
    static const gui::FrameSequence glance;

    FleebaWindow(gui::Timer& timer, FleebaApp* app);

    void start() override;
    void stop() override;
    void onContextMenu(int x, int y) override;
    void onSpriteFinished() override;

    // The idle rule: a quarter of all draws blink, about one in twelve glance, the rest rest.
    static const gui::FrameSequence* chooseIdleSequence(int r);

    const gui::SequenceSprite& sprite() const { return sprite_; }

private:
    gui::SequenceSprite sprite_;
    FleebaApp* app_; // not owned
};

} // namespace tamba::app
