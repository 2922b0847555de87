#pragma once

#include "gui/CyclingSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::games {

// The throwing line: the thrower must let go before reaching it.
class CaberLineWindow : public gui::SpriteWindow {
public:
    static constexpr int picture = 104;

    explicit CaberLineWindow(gui::Timer& timer);

    gui::CyclingSprite& lineSprite() { return sprite_; }

private:
    gui::CyclingSprite sprite_;
};

} // namespace tamba::games
