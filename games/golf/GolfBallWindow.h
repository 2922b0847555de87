#pragma once

#include "gui/CyclingSprite.h"
#include "gui/SpriteWindow.h"

namespace tamba::games {

class GolfGame;
class GolfHoleWindow;
class ScoreCard;

// The golf ball: flies off in one of 16 directions when struck, slows down on every tick, wraps round the
// screen, stops dead at the score card and drops into the cup when it crosses it slowly enough.
class GolfBallWindow : public gui::SpriteWindow {
public:
    static constexpr int picture = 701;
    static constexpr int directionCount = 16;
    // Entry k is a unit vector times 100, (k + 1) * 22.5 degrees clockwise from straight right.
    static constexpr POINT directions[directionCount] = {
        {92, 38},   {70, 70},   {38, 92},   {0, 100},  {-38, 92}, {-70, 70}, {-92, 38}, {-100, 0},
        {-92, -38}, {-70, -70}, {-38, -92}, {0, -100}, {38, -92}, {70, -70}, {92, -38}, {100, 0}};
    // Only a ball slower than this can drop into the cup.
    static constexpr int holingSpeed = 40;

    // One tick's slowdown.
    static int slowedDown(int speed);

    GolfBallWindow(gui::Timer& timer, GolfHoleWindow* hole, int margin, GolfGame* game);

    void setScorecard(ScoreCard* scorecard) { scorecard_ = scorecard; }
    void show() override;
    // Ignored while the ball is flying.
    void launch(int direction, int power);
    // At rest where it is, as if it had never been struck.
    void stopFlight();
    // One step of the flight per tick.
    void onSpriteFinished() override;

    bool flying() const { return flying_ != 0; }
    int direction() const { return direction_; }
    int speed() const { return speed_; }
    gui::CyclingSprite& sprite() { return sprite_; }

private:
    GolfHoleWindow* hole_; // not owned: a sibling in the golf game
    ScoreCard* scorecard_; // not owned: the golf game's card, or null
    gui::CyclingSprite sprite_;
    int flying_;
    int direction_;
    int speed_;
    int margin_;
    GolfGame* game_; // not owned: the game this ball belongs to
};

} // namespace tamba::games
