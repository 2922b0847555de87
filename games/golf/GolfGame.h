#pragma once

#include "app/Game.h"
#include "games/golf/GolfBallWindow.h"
#include "games/golf/GolfFleebaWindow.h"
#include "games/golf/GolfHoleWindow.h"
#include "tamba_util/String.h"
#include "tamba_util/VAList.h"

#include <functional>
#include <memory>

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class ScoreCard;

// The golf game: the character with its club, a ball and a hole; nine holes, the strokes of each written
// on the score card.
class GolfGame : public app::Game {
public:
    static constexpr int holeCount = 9;
    static constexpr int edgeMargin = 10;

    GolfGame(gui::Timer& timer, app::FleebaApp* app);
    ~GolfGame();

    void start() override;
    void stop() override;
    // The golfer in the middle, clear of the card in the top-left corner, with room for a course.
    SIZE layoutSize() const override { return SIZE{840, 600}; }
    // The ball has dropped into the cup.
    void ballHoled();

    // Tests replace the modal instructions dialog.
    void setShowInstructions(std::function<void()> show) { showInstructions_ = std::move(show); }

    GolfHoleWindow& hole() { return hole_; }
    GolfBallWindow& ball() { return ball_; }
    GolfFleebaWindow& golfer() { return golfer_; }
    ScoreCard* scoreCard() const { return card_.get(); }
    unsigned resultCount() const { return results_.count(); }
    util::String result(unsigned index) const { return results_[index]; }

private:
    // The golfer in the middle of the screen, the hole and the ball anywhere but over the score card.
    void placeCourse();

    GolfHoleWindow hole_;
    GolfBallWindow ball_;
    GolfFleebaWindow golfer_;
    util::VAList<util::String> results_;
    std::unique_ptr<ScoreCard> card_;
    std::function<void()> showInstructions_;
};

} // namespace tamba::games
