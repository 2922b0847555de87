#pragma once

#include "games/fishing/DiverSprite.h"
#include "gui/FrameSequence.h"
#include "gui/SpriteWindow.h"
#include "tamba_util/AList.h"

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class FishingGame;
class FishWindow;
class IslandWindow;

// The character in the fishing game, played with the arrow keys: Down dives and pushes deeper, Left and
// Right swipe the net; a netted fish is carried up to the island and scored there.
class FishingFleebaWindow : public gui::SpriteWindow {
public:
    static const gui::FrameSequence home;
    static const gui::FrameSequence dive;
    static const gui::FrameSequence sink;
    static const gui::FrameSequence swimDown;
    static const gui::FrameSequence floatUp;
    static const gui::FrameSequence swipeLeft;
    static const gui::FrameSequence swipeRight;
    static const gui::FrameSequence carry[3];

    // Where the net reaches in a swipe, relative to the window's top-left corner.
    static constexpr RECT leftCatchBox = {5, 100, 82, 176};
    static constexpr RECT rightCatchBox = {38, 68, 109, 138};

    FishingFleebaWindow(gui::Timer& timer, FishingGame* game, app::FleebaApp* app,
                        const util::AList<FishWindow>* fish, IslandWindow* island);

    void prepareForPlay();
    void finish();
    void setMotionState(int state) { sprite_.setMotionState(state); }

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onSpriteFinished() override;
    void onContextMenu(int x, int y) override;

    DiverSprite& sprite() { return sprite_; }
    const FishWindow* carriedFish() const { return carried_; }

private:
    void onKeyDown(WPARAM key);
    void endSwipe();

    DiverSprite sprite_;
    app::FleebaApp* app_;                 // not owned
    const util::AList<FishWindow>* fish_; // not owned: the game's list
    FishingGame* game_;                   // not owned
    FishWindow* carried_;                 // not owned: one of the game's fish
    IslandWindow* island_;                // not owned
};

} // namespace tamba::games
