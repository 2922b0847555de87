#include "app/FleebaSplashScreen.h"

#include "app/FleebaApp.h"

namespace tamba::app {

namespace {
// Blinks twice, turns its head once, blinks twice more: one entry per 100 ms tick.
const int splashFrames[] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // 1-11
    1, 1, 1,                            // 12-14
    0, 0, 0, 0, 0, 0,                   // 15-20
    1, 1, 1,                            // 21-23
    0, 0, 0, 0, 0, 0,                   // 24-29
    2, 2, 2, 2, 2, 2,                   // 30-35
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 36-47
    1, 1, 1,                            // 48-50
    0, 0, 0, 0, 0, 0,                   // 51-56
    1, 1, 1,                            // 57-59
    0, 0, 0, 0, 0, 0,                   // 60-65
};
constexpr int firstFrame = 221;
constexpr int frameCount = 3;
} // namespace

const gui::FrameSequence FleebaSplashScreen::animation = {
    1, splashFrames, sizeof splashFrames / sizeof splashFrames[0], nullptr};

FleebaSplashScreen::FleebaSplashScreen(gui::Timer& timer, FleebaApp* app)
    : SpriteWindow("FleebaSplashScreen", timer, 0, 0), sprite_(frameCount, firstFrame, firstFrame),
      app_(app) {
    setSprite(&sprite_);
}

void FleebaSplashScreen::start() {
    centreOnDesktop();
    sprite_.setSequence(&animation);
    show();
    makeVisible();
}

void FleebaSplashScreen::stop() {
    hide();
}

void FleebaSplashScreen::onSpriteFinished() {
    if (app_ != nullptr)
        app_->returnToIdle();
}

} // namespace tamba::app
