#pragma once

#include "gui/CyclingSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

// The cup and its flag: a still picture whose cup is the golf ball's target.
class GolfHoleWindow : public gui::SpriteWindow {
public:
    static constexpr int picture = 700;
    // Where the cup lies, relative to the window's top-left corner.
    static constexpr RECT cup = {0, 33, 29, 65};

    GolfHoleWindow(gui::Timer& timer, app::FleebaApp* app);

    // Starts again from the first frame.
    void show() override;
    // The cup in screen coordinates.
    RECT cupRect() const;
    void onContextMenu(int x, int y) override;

    gui::CyclingSprite& sprite() { return sprite_; }

private:
    gui::CyclingSprite sprite_;
    app::FleebaApp* app_; // not owned
};

} // namespace tamba::games
