#include "games/fishing/FishWindow.h"

#include "app/Application.h"

#include <algorithm>
#include <cstdlib>

namespace tamba::games {

namespace {
const int idleFrames[] = {0};
const int flickFrames[] = {0, 0, 1, 1, 0, 0};
const int caughtFrames[] = {0};
} // namespace

const gui::FrameSequence FishWindow::idle = {3, idleFrames, 1, nullptr};
const gui::FrameSequence FishWindow::flick = {1, flickFrames, 6, nullptr};
const gui::FrameSequence FishWindow::caught = {1, caughtFrames, 1, nullptr};

FishWindow::FishWindow(gui::Timer& timer, int pair, int rowY, bool headsRight, int kind)
    : SpriteWindow("FishWindow" + util::String::fromInt(pair), timer, 0, 0), sprite_(pair, *this, rowY),
      headsRight_(headsRight), kind_(kind), rowY_(rowY) {
    setSprite(&sprite_);
}

void FishWindow::setRow(int rowY) {
    rowY_ = rowY;
    sprite_.setBaseY(rowY);
}

void FishWindow::reset() {
    elapsed = 0;
    sprite_.hooked = false;
    const RECT& area = app::Application::current()->playArea();
    const int width = std::max(1, static_cast<int>(area.right - area.left));
    SIZE size = {0, 0};
    sprite_.frameSet().firstFrameSize(size);
    int x;
    if (headsRight_) {
        wrapX = area.left;
        limitX = area.right;
        x = area.left + std::rand() % width - size.cx; // may start partly off the left edge
    } else {
        limitX = area.left;
        wrapX = area.right - size.cx;
        x = area.right - std::rand() % width;
    }
    sprite_.started = 0;
    moveTo(x, rowY_);
    // No sequence: the first tick reports finished and picks an idle animation.
    sprite_.setSequence(nullptr);
    makeVisible();
    show();
}

void FishWindow::hook() {
    sprite_.hooked = true;
    sprite_.setSequence(&caught);
    hide();
}

void FishWindow::onSpriteFinished() {
    if (sprite_.hooked)
        return;
    sprite_.setSequence(std::rand() % 4 == 0 ? &flick : &idle);
}

} // namespace tamba::games
