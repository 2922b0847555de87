#include "games/golf/GolfGame.h"

#include "app/Application.h"
#include "games/PictureDialog.h"
#include "games/ScoreCard.h"
#include "games/WebAddress.h"
#include "gui/SoundEffects.h"
#include "tamba_util/Exception.h"
#include "tamba_util/UrlParts.h"

#include <algorithm>
#include <cstdlib>

namespace tamba::games {

namespace {
constexpr int instructionsPicture = 109;
constexpr int scoreBoard = 112;

SIZE firstFrameSize(gui::Sprite* sprite) {
    SIZE size = {0, 0};
    if (sprite != nullptr)
        sprite->frameSet().firstFrameSize(size);
    return size;
}

// A random top-left corner for a window of the given size, at least the golfer's size inside the screen
// and not above and left of the card's bottom-right corner. The x draw comes before the y draw.
POINT freePlace(const RECT& screen, SIZE golfer, SIZE size, const RECT& card) {
    // A screen too small for the range would divide by zero; a card covering all of it would never let go.
    const LONG rangeX = std::max<LONG>(1, screen.right - 2 * golfer.cx - size.cx);
    const LONG rangeY = std::max<LONG>(1, screen.bottom - 2 * golfer.cy - size.cy);
    const bool roomLeft = golfer.cx + rangeX - 1 >= card.right || golfer.cy + rangeY - 1 >= card.bottom;
    POINT at;
    do {
        at.x = std::rand() % rangeX + golfer.cx;
        at.y = std::rand() % rangeY + golfer.cy;
    } while (roomLeft && at.x < card.right && at.y < card.bottom);
    return at;
}
} // namespace

GolfGame::GolfGame(gui::Timer& timer, app::FleebaApp* app)
    : hole_(timer, app), ball_(timer, &hole_, edgeMargin, this), golfer_(timer, app, &ball_),
      showInstructions_([] { PictureDialog(instructionsPicture).runModal(); }) {}

GolfGame::~GolfGame() {
    card_.reset();
}

void GolfGame::start() {
    results_.clear();
    showInstructions_();
    card_.reset();
    // Without its card the game is still played; the results go to a card that shows nothing.
    try {
        card_ = std::make_unique<ScoreCard>(scoreBoard, POINT{42, 118}, POINT{90, 118}, 15, false, "shots",
                                            util::UrlParts(webAddress));
        card_->showModeless();
    } catch (const util::Exception& e) {
        app::Application::current()->logger().log("%s", e.message().c_str());
    }
    hole_.show();
    // A ball still flying when the last game stopped would fly on, and could drop into the new course's
    // cup before a stroke, scoring 0 shots.
    ball_.stopFlight();
    ball_.setScorecard(card_.get());
    ball_.show();
    golfer_.resetForGame();
    placeCourse();
}

void GolfGame::stop() {
    ball_.setScorecard(nullptr);
    card_.reset();
    hole_.hide();
    ball_.hide();
    golfer_.hide();
    results_.clear();
}

void GolfGame::ballHoled() {
    results_.append(util::String::fromInt(golfer_.shots()));
    const unsigned n = results_.count() - 1;
    if (card_ != nullptr)
        card_->setEntry(n, results_[n]);
    golfer_.resetAfterHole();
    gui::SoundEffects::play(results_.count() == holeCount ? gui::SoundEffects::flourish
                                                          : gui::SoundEffects::cup);
    if (results_.count() == holeCount) {
        ball_.hide();
        golfer_.setGameOver();
    } else {
        placeCourse();
    }
}

void GolfGame::placeCourse() {
    // Worked out with the play area's corner at (0, 0), then placed on it.
    const RECT& area = app::Application::current()->playArea();
    const RECT screen = {0, 0, area.right - area.left, area.bottom - area.top};
    RECT card = {0, 0, 0, 0};
    if (card_ != nullptr) {
        card_->windowRect(card);
        OffsetRect(&card, -area.left, -area.top);
    }
    const SIZE golfer = firstFrameSize(golfer_.sprite());
    golfer_.moveTo(area.left + (screen.right - golfer.cx) / 2, area.top + (screen.bottom - golfer.cy) / 2);
    const POINT hole = freePlace(screen, golfer, firstFrameSize(&hole_.sprite()), card);
    hole_.moveTo(area.left + hole.x, area.top + hole.y);
    const POINT ball = freePlace(screen, golfer, firstFrameSize(&ball_.sprite()), card);
    ball_.moveTo(area.left + ball.x, area.top + ball.y);
}

} // namespace tamba::games
