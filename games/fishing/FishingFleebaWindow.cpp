#include "games/fishing/FishingFleebaWindow.h"

#include "app/FleebaApp.h"
#include "games/fishing/FishWindow.h"
#include "games/fishing/FishingGame.h"
#include "games/fishing/IslandWindow.h"
#include "gui/SoundEffects.h"

namespace tamba::games {

namespace {
const int homeFrames[] = {21}; // an empty outline: the island shows the character
const int diveFrames[] = {0, 0, 1, 1, 2, 2};
const int sinkFrames[] = {3};
const int swimDownFrames[] = {3, 4};
const int floatUpFrames[] = {3};
const int swipeLeftFrames[] = {10, 11, 12, 13};
const int swipeRightFrames[] = {6, 7, 8, 9};
const int carryFrames[3][2] = {{14, 15}, {16, 17}, {18, 19}};
// How far below its top the window's floor level lies.
constexpr int floorDepth = 16;
} // namespace

const gui::FrameSequence FishingFleebaWindow::home = {1, homeFrames, 1, nullptr};
const gui::FrameSequence FishingFleebaWindow::dive = {1, diveFrames, 6, nullptr};
const gui::FrameSequence FishingFleebaWindow::sink = {0, sinkFrames, 1, nullptr};
const gui::FrameSequence FishingFleebaWindow::swimDown = {0, swimDownFrames, 2, nullptr};
const gui::FrameSequence FishingFleebaWindow::floatUp = {0, floatUpFrames, 1, nullptr};
const gui::FrameSequence FishingFleebaWindow::swipeLeft = {1, swipeLeftFrames, 4, nullptr};
const gui::FrameSequence FishingFleebaWindow::swipeRight = {1, swipeRightFrames, 4, nullptr};
const gui::FrameSequence FishingFleebaWindow::carry[3] = {
    {0, carryFrames[0], 2, nullptr}, {0, carryFrames[1], 2, nullptr}, {0, carryFrames[2], 2, nullptr}};

constexpr RECT FishingFleebaWindow::leftCatchBox;
constexpr RECT FishingFleebaWindow::rightCatchBox;

FishingFleebaWindow::FishingFleebaWindow(gui::Timer& timer, FishingGame* game, app::FleebaApp* app,
                                         const util::AList<FishWindow>* fish, IslandWindow* island)
    : SpriteWindow("FishingFleebaWindow", timer, 0, 0), app_(app), fish_(fish), game_(game),
      carried_(nullptr), island_(island) {
    setTakesKeys(true);
    setSprite(&sprite_);
    sprite_.setSequence(&home);
    setMotionState(DiverSprite::atHome);
}

void FishingFleebaWindow::prepareForPlay() {
    sprite_.setSequence(&home);
    setMotionState(DiverSprite::atHome);
    carried_ = nullptr;
    show();
    RECT rect;
    windowRect(rect);
    sprite_.surfaceY = rect.top;
    sprite_.floorY = rect.bottom - floorDepth;
}

void FishingFleebaWindow::finish() {
    setMotionState(DiverSprite::finished);
}

LRESULT FishingFleebaWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        onKeyDown(wParam);
        return 0;
    }
    return SpriteWindow::handleMessage(window, message, wParam, lParam);
}

void FishingFleebaWindow::onKeyDown(WPARAM key) {
    switch (sprite_.motionState) {
    case DiverSprite::atHome:
        if (key == VK_DOWN) {
            island_->setDiverAtHome(false);
            gui::SoundEffects::play(gui::SoundEffects::splash);
            sprite_.setSequence(&dive);
            setMotionState(DiverSprite::diving);
        }
        break;
    case DiverSprite::swimming:
        if (key == VK_LEFT || key == VK_RIGHT)
            gui::SoundEffects::play(gui::SoundEffects::netSwish);
        if (key == VK_LEFT) {
            sprite_.setSequence(&swipeLeft);
            setMotionState(DiverSprite::swipingLeft);
        } else if (key == VK_RIGHT) {
            sprite_.setSequence(&swipeRight);
            setMotionState(DiverSprite::swipingRight);
        } else if (key == VK_DOWN && sprite_.speed < DiverSprite::maxSpeed) {
            ++sprite_.speed;
        }
        break;
    default:
        break;
    }
}

void FishingFleebaWindow::onSpriteFinished() {
    switch (sprite_.motionState) {
    case DiverSprite::diving:
        sprite_.setSequence(&sink);
        setMotionState(DiverSprite::sinking);
        break;
    case DiverSprite::sinking:
        sprite_.speed = DiverSprite::maxSpeed;
        sprite_.setSequence(&swimDown);
        setMotionState(DiverSprite::swimming);
        break;
    case DiverSprite::swimming: {
        RECT rect;
        windowRect(rect);
        if (sprite_.speed <= 0 && rect.top == sprite_.floorY) {
            sprite_.setSequence(&home);
            island_->setDiverAtHome(true);
            setMotionState(DiverSprite::atHome);
            break;
        }
        // Only a change of direction changes the animation, so a running one is not restarted.
        const gui::FrameSequence* wanted = sprite_.speed > 0 ? &swimDown : &floatUp;
        if (sprite_.sequence() != wanted)
            sprite_.setSequence(wanted);
        break;
    }
    case DiverSprite::swipingLeft:
    case DiverSprite::swipingRight:
        endSwipe();
        break;
    case DiverSprite::carrying:
        island_->setDiverAtHome(true);
        sprite_.setSequence(&home);
        setMotionState(DiverSprite::atHome);
        if (carried_ != nullptr) {
            FishWindow* fish = carried_;
            carried_ = nullptr;
            game_->fishCaught(fish);
        }
        break;
    default:
        break;
    }
}

void FishingFleebaWindow::endSwipe() {
    const bool left = sprite_.motionState == DiverSprite::swipingLeft;
    RECT window;
    windowRect(window);
    RECT box = left ? leftCatchBox : rightCatchBox;
    OffsetRect(&box, window.left, window.top);
    // A left swipe nets fish heading right, a right swipe fish heading left. A fish already netted is
    // out of the water and cannot be caught twice.
    for (unsigned i = 0; i < fish_->count(); ++i) {
        FishWindow* fish = (*fish_)[i];
        if (fish->headsRight() != left || fish->hooked())
            continue;
        RECT rect, overlap;
        fish->windowRect(rect);
        if (!IntersectRect(&overlap, &rect, &box))
            continue;
        fish->hook();
        carried_ = fish;
        sprite_.setSequence(&carry[fish->kind()]);
        setMotionState(DiverSprite::carrying);
        return;
    }
    sprite_.setSequence(&swimDown);
    setMotionState(DiverSprite::swimming);
}

void FishingFleebaWindow::onContextMenu(int x, int y) {
    if (app_ != nullptr)
        app_->showMenu(x, y);
}

} // namespace tamba::games
