#include "games/caber/CaberFleebaWindow.h"

#include "app/Application.h"
#include "app/FleebaApp.h"
#include "games/caber/CaberGame.h"
#include "games/caber/CaberLineWindow.h"
#include "games/caber/CaberWindow.h"
#include "gui/SoundEffects.h"

namespace tamba::games {

namespace {
constexpr int standFrames[] = {6};
constexpr int runFrames[] = {0, 1, 2, 3, 4, 5};
constexpr int tossFrames[] = {6, 7, 8, 9};
constexpr int releaseFrames[] = {10, 11, 12};
constexpr int holdFrames[] = {12};
} // namespace

const gui::FrameSequence CaberFleebaWindow::stand = {1, standFrames, 1, nullptr};
const gui::FrameSequence CaberFleebaWindow::standStill = {0, standFrames, 1, nullptr};
const gui::FrameSequence CaberFleebaWindow::run = {0, runFrames, 6, nullptr};
const gui::FrameSequence CaberFleebaWindow::toss = {1, tossFrames, 4, nullptr};
const gui::FrameSequence CaberFleebaWindow::release = {1, releaseFrames, 3, nullptr};
const gui::FrameSequence CaberFleebaWindow::hold = {1, holdFrames, 1, nullptr};

CaberFleebaWindow::CaberFleebaWindow(gui::Timer& timer, app::FleebaApp* app, CaberWindow* caber,
                                     CaberGame* game)
    : SpriteWindow("CaberFleebaWindow", timer, 0, 0), state_(ready), caber_(caber), presses_(0), app_(app),
      game_(game) {
    setTakesKeys(true);
    setSprite(&runner_);
}

CaberFleebaWindow::~CaberFleebaWindow() = default;

void CaberFleebaWindow::prepareThrow() {
    SIZE size;
    runner_.frameSet().frameSize(6, size);
    const RECT& area = app::Application::current()->playArea();
    moveTo(area.right - size.cx, area.top + (area.bottom - area.top) / 2 - size.cy / 2);
    presses_ = 0;
    state_ = ready;
    // A game stopped or chosen again mid-run would otherwise glide on by itself and foul the next press.
    runner_.setMode(0);
    play(stand);
    show();
}

void CaberFleebaWindow::finishSeries() {
    state_ = seriesOver;
    runner_.setMode(0);
    play(standStill);
}

void CaberFleebaWindow::setLine(const CaberLineWindow& line) {
    RECT rect;
    line.windowRect(rect);
    runner_.setStopX(rect.left - lineMargin);
}

LRESULT CaberFleebaWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        if (wParam == VK_LEFT && state_ == ready) {
            gui::SoundEffects::play(gui::SoundEffects::steps);
            play(run);
            runner_.setMode(1);
            state_ = running;
            presses_ = 0;
        } else if (wParam == VK_LEFT && state_ == running) {
            ++presses_;
        }
        return 0;
    }
    if (message == WM_KEYUP) {
        if (wParam == VK_LEFT && state_ == running) {
            state_ = throwing;
            runner_.setMode(0);
            play(toss);
        } else if (wParam == VK_LEFT && state_ == fouled) {
            state_ = ready;
        }
        return 0;
    }
    return SpriteWindow::handleMessage(window, message, wParam, lParam);
}

void CaberFleebaWindow::onContextMenu(int x, int y) {
    if (app_ != nullptr)
        app_->showMenu(x, y);
}

void CaberFleebaWindow::onSpriteFinished() {
    switch (state_) {
    case running:
        runner_.setMode(0);
        play(stand);
        if (game_ != nullptr)
            game_->noThrow();
        if (state_ != seriesOver)
            state_ = fouled;
        break;
    case throwing:
        play(release);
        state_ = releasing;
        if (caber_ != nullptr)
            caber_->launch(presses_);
        break;
    case releasing:
        play(hold);
        state_ = caberInAir;
        break;
    default:
        break;
    }
}

} // namespace tamba::games
