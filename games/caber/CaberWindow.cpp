#include "games/caber/CaberWindow.h"

#include "app/Application.h"
#include "games/caber/CaberFleebaWindow.h"
#include "games/caber/CaberGame.h"

#include <algorithm>

namespace tamba::games {

namespace {
constexpr float cosine = 0.38f;
constexpr float sine = 0.92f;
} // namespace

CaberWindow::CaberWindow(gui::Timer& timer, CaberGame* game)
    : SpriteWindow("CaberWindow", timer, 0, 0), fleeba_(nullptr), flying_(0), game_(game) {
    setSprite(&caber_);
}

CaberWindow::~CaberWindow() = default;

std::int32_t CaberWindow::launchVx(int n) {
    return static_cast<std::int32_t>(n * 50 * static_cast<double>(cosine) + 0.5);
}

std::int32_t CaberWindow::launchVy(int n) {
    return static_cast<std::int32_t>(n * 50 * static_cast<double>(sine) + 0.5);
}

void CaberWindow::resetFlight() {
    flying_ = 0;
    caber_.reset();
}

void CaberWindow::launch(int presses) {
    if (flying_ == 1 || fleeba_ == nullptr)
        return;
    const int n = std::min(presses, maxPresses) + 1;
    RECT f;
    fleeba_->windowRect(f);
    moveTo(f.left - 78, f.top - 22);
    flying_ = 1;
    SIZE fleebaSize = {0, 0};
    if (fleeba_->sprite() != nullptr)
        fleeba_->sprite()->frameSet().firstFrameSize(fleebaSize);
    caber_.startFlight(launchVx(n), launchVy(n), f.top + fleebaSize.cy,
                       app::Application::current()->playArea().left);
    show();
    makeVisible();
}

void CaberWindow::endFlight() {
    flying_ = 0;
    hide();
}

void CaberWindow::onSpriteFinished() {
    if (flying_ == 1 && game_ != nullptr)
        game_->caberLanded(caber_.landX(), caber_.landY());
}

} // namespace tamba::games
