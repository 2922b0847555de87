#include "games/golf/GolfFleebaWindow.h"

#include "app/FleebaApp.h"
#include "games/golf/GolfBallWindow.h"
#include "gui/SoundEffects.h"

#include <cstddef>

namespace tamba::games {

namespace {
const int standFrames[] = {0};
const int windStepFrames[] = {0};
const int unwindFrames[] = {1};
const int swingFrames[] = {1, 1, 1, 1, 0, 0};
const int followThroughFrames[] = {2, 2, 2, 3, 3, 3};
const int watchFrames[] = {4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4};

template <std::size_t n> constexpr int length(const int (&)[n]) {
    return static_cast<int>(n);
}

// Aim 0 comes after aim 15 in the pictures.
constexpr int firstAimPicture = 811;
constexpr int aimZeroPicture = 961;
constexpr int pictureStep = 10;

int previous(int direction) {
    return direction == 0 ? GolfFleebaWindow::aimCount - 1 : direction - 1;
}
int next(int direction) {
    return (direction + 1) % GolfFleebaWindow::aimCount;
}
} // namespace

const gui::FrameSequence GolfFleebaWindow::stand = {1, standFrames, length(standFrames), nullptr};
const gui::FrameSequence GolfFleebaWindow::windStep = {1, windStepFrames, length(windStepFrames), nullptr};
const gui::FrameSequence GolfFleebaWindow::unwind = {1, unwindFrames, length(unwindFrames), nullptr};
const gui::FrameSequence GolfFleebaWindow::swing = {1, swingFrames, length(swingFrames), nullptr};
const gui::FrameSequence GolfFleebaWindow::followThrough = {1, followThroughFrames,
                                                            length(followThroughFrames), nullptr};
const gui::FrameSequence GolfFleebaWindow::watch = {1, watchFrames, length(watchFrames), nullptr};

constexpr RECT GolfFleebaWindow::clubHeads[];

int GolfFleebaWindow::firstFrame(int aim) {
    return aim == 0 ? aimZeroPicture : firstAimPicture + pictureStep * (aim - 1);
}

int GolfFleebaWindow::shotDirection(int aim) {
    return aim >= 4 ? aim - 4 : aim + 12;
}

GolfFleebaWindow::GolfFleebaWindow(gui::Timer& timer, app::FleebaApp* app, GolfBallWindow* ball)
    : SpriteWindow("GolfFleebaWindow", timer, 0, 0), state_(idle), ball_(ball), aim_(0), club_(0),
      unwindCount_(0), power_(0), app_(app), shots_(0), gameOver_(false) {
    for (int i = 0; i < aimCount; ++i)
        sprites_.append(new gui::SequenceSprite(framesPerAim, firstFrame(i), firstFrame(i)));
    setDraggable(true);
    setTakesKeys(true);
    setSprite(&aimSprite(0));
}

GolfFleebaWindow::~GolfFleebaWindow() {
    setSprite(nullptr);
}

void GolfFleebaWindow::resetForGame() {
    gameOver_ = false;
    resetAfterHole();
    makeVisible();
    centreOnDesktop();
    show();
}

void GolfFleebaWindow::resetAfterHole() {
    shots_ = 0;
    state_ = idle;
    // Interrupted mid-swing, the club may point elsewhere than the aim: show the aim, which is what the
    // next stroke uses.
    club_ = aim_;
    play(stand, club_);
}

bool GolfFleebaWindow::clubTouchesBall() {
    RECT ball;
    ball_->windowRect(ball);
    SIZE size = {0, 0};
    ball_->sprite().frameSet().firstFrameSize(size);
    ball.right = ball.left + size.cx;
    ball.bottom = ball.top + size.cy;
    RECT self;
    windowRect(self);
    RECT club = clubHeads[aim_];
    OffsetRect(&club, self.left, self.top);
    RECT overlap;
    return IntersectRect(&overlap, &ball, &club) != FALSE;
}

LRESULT GolfFleebaWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        onKeyDown(wParam);
        return 0;
    }
    if (message == WM_KEYUP) {
        onKeyUp(wParam);
        return 0;
    }
    return SpriteWindow::handleMessage(window, message, wParam, lParam);
}

void GolfFleebaWindow::onKeyDown(WPARAM key) {
    if (state_ == idle && !gameOver_) {
        if (key == VK_LEFT) {
            aim_ = previous(aim_);
            play(stand, aim_);
        } else if (key == VK_RIGHT) {
            aim_ = next(aim_);
            play(stand, aim_);
        } else if (key == VK_UP && clubTouchesBall()) {
            state_ = windingUp;
            club_ = aim_;
            unwindCount_ = 0;
            power_ = 0;
        }
    }
    // The press that starts the backswing already turns the club one step.
    if (state_ == windingUp && key == VK_UP) {
        club_ = next(club_);
        if (club_ == aim_) {
            ++unwindCount_;
            ++power_;
        }
        play(windStep, club_);
    }
}

void GolfFleebaWindow::onKeyUp(WPARAM key) {
    if (state_ == windingUp && !gameOver_ && key == VK_UP) {
        state_ = unwinding;
        aimSprite(club_).setSequence(&unwind);
    }
}

void GolfFleebaWindow::onSpriteFinished() {
    switch (state_) {
    case unwinding:
        if (club_ == aim_) {
            if (unwindCount_ == 0) {
                state_ = swinging;
                gui::SoundEffects::play(gui::SoundEffects::swing);
                aimSprite(club_).setSequence(&swing);
                return;
            }
            --unwindCount_;
        }
        club_ = previous(club_);
        play(unwind, club_);
        break;
    case swinging:
        ball_->launch(shotDirection(aim_), power_);
        gui::SoundEffects::play(gui::SoundEffects::strike);
        // A stroke counts even when the ball was still rolling and ignored it.
        ++shots_;
        state_ = followingThrough;
        aimSprite(club_).setSequence(&followThrough);
        break;
    case followingThrough:
        state_ = watching;
        aimSprite(club_).setSequence(&watch);
        break;
    case watching:
        state_ = idle;
        aimSprite(club_).setSequence(&stand);
        break;
    default:
        break;
    }
}

void GolfFleebaWindow::onContextMenu(int x, int y) {
    if (app_ != nullptr)
        app_->showMenu(x, y);
}

void GolfFleebaWindow::play(const gui::FrameSequence& sequence, int direction) {
    gui::SequenceSprite& sprite = aimSprite(direction);
    sprite.setSequence(&sequence);
    setSprite(&sprite);
}

} // namespace tamba::games
