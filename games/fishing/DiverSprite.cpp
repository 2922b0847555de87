#include "games/fishing/DiverSprite.h"

#include "app/Application.h"

namespace tamba::games {

namespace {
constexpr int firstDiverFrame = 400;
constexpr int diverFrames = 22;
constexpr int sinkStep = 16;
constexpr int riseStep = 10;

void moveTopTo(RECT& rect, int y) {
    rect.bottom += y - rect.top;
    rect.top = y;
}
} // namespace

DiverSprite::DiverSprite() : SequenceSprite(diverFrames, firstDiverFrame, firstDiverFrame) {}

bool DiverSprite::isFinished() {
    if (motionState == sinking || motionState == swimming || motionState == carrying)
        return done;
    return SequenceSprite::isFinished();
}

bool DiverSprite::adjustPosition(RECT& rect) {
    const int y = rect.top;
    switch (motionState) {
    case atHome:
    case diving:
        if (y == surfaceY)
            return false;
        moveTopTo(rect, surfaceY);
        return true;
    case sinking:
        if (y + sinkStep >= floorY) {
            done = true;
            return false;
        }
        moveTopTo(rect, y + sinkStep);
        return true;
    case swimming:
    case swipingLeft:
    case swipingRight: {
        const int bottom = app::Application::current()->playArea().bottom;
        const int next = y + speed;
        bool changed = false;
        if (next < bottom && next >= floorY) {
            moveTopTo(rect, next);
            changed = true;
            if (motionState == swimming)
                done = true;
        } else if (next < floorY) {
            moveTopTo(rect, floorY);
            changed = true;
            done = true;
        } else {
            done = true; // at the screen bottom
        }
        if (speed > -maxSpeed)
            --speed;
        return changed;
    }
    case carrying:
        if (y - riseStep > surfaceY) {
            moveTopTo(rect, y - riseStep);
            return true;
        }
        done = true;
        return false;
    default:
        return false;
    }
}

} // namespace tamba::games
