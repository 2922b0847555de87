#pragma once

#include "gui/SequenceSprite.h"

namespace tamba::games {

// The diver's animation and its motion-state machine: on every frame step it may move the window up or
// down, and it decides when the window's next step is due.
class DiverSprite : public gui::SequenceSprite {
public:
    enum MotionState {
        atHome = 0,
        diving = 1,
        sinking = 2,
        swimming = 3,
        swipingLeft = 4,
        swipingRight = 5,
        carrying = 7,
        finished = 8,
    };
    static constexpr int maxSpeed = 8;

    DiverSprite();

    bool isFinished() override;
    bool adjustPosition(RECT& rect) override;

    void setMotionState(int state) {
        motionState = state;
        done = false;
    }

    int surfaceY = 0;
    int floorY = 0;
    // Pixels per tick, positive downward.
    int speed = maxSpeed;
    int motionState = atHome;
    bool done = false;
};

} // namespace tamba::games
