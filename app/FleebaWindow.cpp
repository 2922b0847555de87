#include "app/FleebaWindow.h"

#include "app/FleebaApp.h"

#include <cstdlib>

namespace tamba::app {

namespace {
const int restFrames[] = {0};
const int blinkFrames[] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0};
const int glanceFrames[] = {0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0};
constexpr int firstFrame = 200;
constexpr int frameCount = 3;
} // namespace

const gui::FrameSequence FleebaWindow::rest = {10, restFrames, 1, nullptr};
const gui::FrameSequence FleebaWindow::blink = {1, blinkFrames, 15, nullptr};
const gui::FrameSequence FleebaWindow::glance = {1, glanceFrames, 18, nullptr};

FleebaWindow::FleebaWindow(gui::Timer& timer, FleebaApp* app)
    : SpriteWindow("FleebaWindow", timer, 0, 0), sprite_(frameCount, firstFrame, firstFrame), app_(app) {
    setSprite(&sprite_);
    sprite_.setSequence(&rest);
    setDraggable(true);
}

void FleebaWindow::start() {
    sprite_.setSequence(&rest);
    centreOnDesktop();
    show();
    makeVisible();
}

void FleebaWindow::stop() {
    hide();
}

void FleebaWindow::onContextMenu(int x, int y) {
    if (app_ != nullptr)
        app_->showMenu(x, y);
}

const gui::FrameSequence* FleebaWindow::chooseIdleSequence(int r) {
    if (r % 4 == 0)
        return &blink;
    if (r % 6 == 0)
        return &glance;
    return &rest;
}

void FleebaWindow::onSpriteFinished() {
    sprite_.setSequence(chooseIdleSequence(std::rand()));
}

} // namespace tamba::app
