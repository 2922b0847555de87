#pragma once

#include "gui/FrameSequence.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class FishingFleebaWindow;

// The island the diver starts from; once the game is finished it invites a click that opens the web link.
class IslandWindow : public gui::SpriteWindow {
public:
    static const gui::FrameSequence home;
    static const gui::FrameSequence diving;
    static const gui::FrameSequence finishedSequence;

    IslandWindow(gui::Timer& timer, app::FleebaApp* app);

    void prepareForPlay();
    void setDiverWindow(FishingFleebaWindow* diver) { diver_ = diver; }
    FishingFleebaWindow* diverWindow() const { return diver_; }
    // Shows the character standing on the island, or the island alone while it dives.
    void setDiverAtHome(bool atHome);
    void showFinished();
    bool finished() const { return finished_; }

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onContextMenu(int x, int y) override;
    // At home the diver's frame has no outline and the island shows the character: a click on it gives
    // the diver the keyboard, as a click on the diver would, until the game is over.
    gui::SpriteWindow* keyWindow() override;

    gui::SequenceSprite& sprite() { return sprite_; }

private:
    gui::SequenceSprite sprite_;
    app::FleebaApp* app_;        // not owned
    FishingFleebaWindow* diver_; // not owned: a sibling in the fishing game
    bool finished_;
};

} // namespace tamba::games
