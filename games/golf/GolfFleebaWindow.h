#pragma once

#include "gui/FrameSequence.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"
#include "tamba_util/OwningAList.h"

#include <cstdint>

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class GolfBallWindow;

// The character with its golf club, turned with Left and Right through 16 aims. Holding Up winds the
// club round, one step per key-down, a full turn adding one to the power; releasing it unwinds one step
// per tick and swings at the ball.
class GolfFleebaWindow : public gui::SpriteWindow {
public:
    enum State : std::int32_t {
        idle = 0,
        windingUp = 1,
        swinging = 2,
        unwinding = 3,
        followingThrough = 4,
        watching = 5
    };

    static constexpr int aimCount = 16;
    static constexpr int framesPerAim = 6;
    // Where the club head reaches for each aim, relative to the window's top-left corner.
    static constexpr RECT clubHeads[aimCount] = {
        {101, 60, 119, 78}, {92, 77, 110, 95}, {78, 88, 96, 106}, {54, 94, 72, 112},
        {31, 96, 49, 110},  {14, 93, 32, 111}, {7, 79, 25, 97},   {0, 55, 18, 73},
        {-2, 56, 14, 73},   {1, 12, 19, 30},   {13, 3, 31, 21},   {38, -4, 56, 14},
        {60, -7, 78, 11},   {76, -2, 94, 16},  {88, 11, 106, 29}, {97, 38, 115, 56}};

    static const gui::FrameSequence stand;
    static const gui::FrameSequence windStep;
    static const gui::FrameSequence unwind;
    static const gui::FrameSequence swing;
    static const gui::FrameSequence followThrough;
    static const gui::FrameSequence watch;

    // The first picture of aim i's six frames.
    static int firstFrame(int aim);
    // The direction a ball struck at this aim flies in.
    static int shotDirection(int aim);

    GolfFleebaWindow(gui::Timer& timer, app::FleebaApp* app, GolfBallWindow* ball);
    ~GolfFleebaWindow() override;

    void resetForGame();
    void resetAfterHole();
    // No key acts from now until resetForGame.
    void setGameOver() { gameOver_ = true; }
    bool clubTouchesBall();

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onContextMenu(int x, int y) override;
    void onSpriteFinished() override;

    int shots() const { return shots_; }
    State state() const { return state_; }
    int aim() const { return aim_; }
    int club() const { return club_; }
    int unwindCount() const { return unwindCount_; }
    int power() const { return power_; }
    bool gameOver() const { return gameOver_; }
    gui::SequenceSprite& aimSprite(int aim) { return *sprites_[static_cast<unsigned>(aim)]; }

private:
    void onKeyDown(WPARAM key);
    void onKeyUp(WPARAM key);
    // Plays the sequence on the sprite of that direction and shows it.
    void play(const gui::FrameSequence& sequence, int direction);

    State state_;
    GolfBallWindow* ball_; // not owned: a sibling in the golf game
    util::OwningAList<gui::SequenceSprite> sprites_;
    int aim_;
    int club_;
    int unwindCount_;
    int power_;
    app::FleebaApp* app_; // not owned
    int shots_;
    bool gameOver_;
};

} // namespace tamba::games
