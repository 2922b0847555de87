#include "games/golf/GolfBallWindow.h"

#include "app/Application.h"
#include "games/ScoreCard.h"
#include "games/golf/GolfGame.h"
#include "games/golf/GolfHoleWindow.h"

#include <algorithm>

namespace tamba::games {

namespace {
// The single-precision constant, divided in double precision: 99 must slow to 89 and 110 to 99.
constexpr float friction = 1.1f;
constexpr int maxPowerSteps = 6;
constexpr int speedPerPower = 20;
} // namespace

constexpr POINT GolfBallWindow::directions[];

int GolfBallWindow::slowedDown(int speed) {
    return static_cast<int>(static_cast<double>(speed) / static_cast<double>(friction));
}

GolfBallWindow::GolfBallWindow(gui::Timer& timer, GolfHoleWindow* hole, int margin, GolfGame* game)
    : SpriteWindow("GolfBallWindow", timer, 0, 0), hole_(hole), scorecard_(nullptr),
      sprite_(1, picture, picture, 1), flying_(0), direction_(0), speed_(0), margin_(margin), game_(game) {
    setSprite(&sprite_);
}

void GolfBallWindow::show() {
    makeVisible();
    SpriteWindow::show();
}

void GolfBallWindow::launch(int direction, int power) {
    if (flying_ != 0)
        return;
    flying_ = 1;
    direction_ = direction;
    speed_ = std::min(power + 1, maxPowerSteps) * speedPerPower;
}

void GolfBallWindow::stopFlight() {
    flying_ = 0;
    speed_ = 0;
}

void GolfBallWindow::onSpriteFinished() {
    if (flying_ == 0)
        return;
    RECT r;
    windowRect(r);
    const POINT v = directions[direction_];
    const int dx = v.x * speed_ / 100;
    const int dy = v.y * speed_ / 100;

    const RECT& desktop = app::Application::current()->playArea();
    const RECT area = {desktop.left + margin_, desktop.top + margin_, desktop.right - margin_,
                       desktop.bottom - margin_};
    // A ball leaving on one side comes back on the other.
    int x = r.left + dx;
    if (x < area.left)
        x = area.right;
    else if (x > area.right)
        x = area.left;
    int y = r.top + dy;
    if (y < area.top)
        y = area.bottom;
    else if (y > area.bottom)
        y = area.top;

    if (scorecard_ != nullptr) {
        RECT card;
        scorecard_->windowRect(card);
        if (x < card.right && y < card.bottom)
            flying_ = 0; // stopped dead where it was
    }
    if (flying_ != 0) {
        moveTo(x, y);
        if (speed_ <= 0)
            flying_ = 0;
        else
            speed_ = slowedDown(speed_);
    }
    if (speed_ >= holingSpeed)
        return;

    SIZE size = {0, 0};
    sprite_.frameSet().firstFrameSize(size);
    const RECT ball = {x, y, x + size.cx, y + size.cy};
    const RECT cup = hole_->cupRect();
    RECT overlap;
    if (IntersectRect(&overlap, &ball, &cup)) {
        flying_ = 0;
        if (game_ != nullptr)
            game_->ballHoled();
    }
}

} // namespace tamba::games
