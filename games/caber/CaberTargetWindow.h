#pragma once

#include "gui/CyclingSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::games {

// The ring target the caber is tossed at; the game scores against its rings' outlines.
class CaberTargetWindow : public gui::SpriteWindow {
public:
    static constexpr int picture = 105;

    explicit CaberTargetWindow(gui::Timer& timer);

    gui::CyclingSprite& targetSprite() { return sprite_; }

private:
    gui::CyclingSprite sprite_;
};

} // namespace tamba::games
