#pragma once

#include "games/caber/FlightSprite.h"
#include "gui/SpriteWindow.h"

#include <cstdint>

namespace tamba::games {

class CaberFleebaWindow;
class CaberGame;

// The tossed caber: placed beside the thrower as it lets go, flown, landed, and its landing passed on to
// the game for scoring.
class CaberWindow : public gui::SpriteWindow {
public:
    static constexpr int maxPresses = 40;

    CaberWindow(gui::Timer& timer, CaberGame* game);
    ~CaberWindow() override;

    void setFleeba(CaberFleebaWindow* fleeba) { fleeba_ = fleeba; }
    // Also puts a flight cut short by the end of a game back at rest.
    void resetFlight();
    void launch(int presses);
    void endFlight();
    void onSpriteFinished() override;

    FlightSprite& flight() { return caber_; }
    std::int32_t flying() const { return flying_; }

    // The launch speeds of a throw of power n (1 to 41): single-precision constants, double arithmetic.
    static std::int32_t launchVx(int n);
    static std::int32_t launchVy(int n);

private:
    FlightSprite caber_;
    CaberFleebaWindow* fleeba_; // not owned: a sibling in the caber game
    std::int32_t flying_;
    CaberGame* game_; // not owned: the game that owns this window
};

} // namespace tamba::games
