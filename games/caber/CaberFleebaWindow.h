#pragma once

#include "games/caber/RunUpSprite.h"
#include "gui/FrameSequence.h"
#include "gui/SpriteWindow.h"

#include <cstdint>

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class CaberGame;
class CaberLineWindow;
class CaberWindow;

// The thrower: holding Left runs it up to the line, each auto-repeat adding power; letting go throws.
class CaberFleebaWindow : public gui::SpriteWindow {
public:
    enum State : std::int32_t {
        ready = 0,
        running = 1,
        throwing = 2,
        releasing = 3,
        caberInAir = 4,
        fouled = 5,
        seriesOver = 6
    };

    // How far right of the stop x the line's left edge lies.
    static constexpr int lineMargin = 78;

    static const gui::FrameSequence stand;
    static const gui::FrameSequence standStill;
    static const gui::FrameSequence run;
    static const gui::FrameSequence toss;
    static const gui::FrameSequence release;
    static const gui::FrameSequence hold;

    CaberFleebaWindow(gui::Timer& timer, app::FleebaApp* app, CaberWindow* caber, CaberGame* game);
    ~CaberFleebaWindow() override;

    void prepareThrow();
    void finishSeries();
    void setLine(const CaberLineWindow& line);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onContextMenu(int x, int y) override;
    void onSpriteFinished() override;

    State state() const { return state_; }
    std::int32_t presses() const { return presses_; }
    RunUpSprite& runner() { return runner_; }

private:
    void play(const gui::FrameSequence& sequence) { runner_.setSequence(&sequence); }

    State state_;
    CaberWindow* caber_; // not owned: a sibling in the caber game
    std::int32_t presses_;
    RunUpSprite runner_;
    app::FleebaApp* app_; // not owned
    CaberGame* game_;     // not owned: the game that owns this window
};

} // namespace tamba::games
