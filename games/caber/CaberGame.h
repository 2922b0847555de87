#pragma once

#include "app/Game.h"
#include "games/caber/CaberFleebaWindow.h"
#include "games/caber/CaberLineWindow.h"
#include "games/caber/CaberTargetWindow.h"
#include "games/caber/CaberWindow.h"
#include "gui/Region.h"
#include "gui/Timer.h"
#include "gui/TimerListener.h"
#include "tamba_util/String.h"
#include "tamba_util/VAList.h"

#include <functional>
#include <memory>

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class ScoreCard;

// The caber toss: series of three throws at a ring target, each scored by where the caber lands; three
// seconds after a series a fresh one begins.
class CaberGame : public app::Game, public gui::TimerListener {
public:
    static constexpr int throwsPerSeries = 3;
    static constexpr unsigned pauseMs = 3000;
    // Where in the caber window's landing picture the caber touches the ground.
    static constexpr POINT groundContact = {99, 190};

    CaberGame(gui::Timer& timer, app::FleebaApp* app);
    ~CaberGame();

    void start() override;
    void stop() override;
    // The target, the throwing line and the run-up beside each other, the line (at three quarters of the
    // width) far enough from the thrower (at the right edge) for a run-up, all below the card.
    SIZE layoutSize() const override { return SIZE{1024, 600}; }
    void startSeries(bool showInstructions);
    void noThrow();
    void caberLanded(int x, int y);
    void tick(gui::Timer& timer) override;

    // Tests replace the modal instructions dialog.
    void setShowInstructions(std::function<void()> show) { showInstructions_ = std::move(show); }

    CaberWindow& caber() { return caber_; }
    CaberFleebaWindow& fleeba() { return fleeba_; }
    CaberLineWindow& line() { return line_; }
    CaberTargetWindow& target() { return target_; }
    gui::Timer& pauseTimer() { return pause_; }
    ScoreCard* scoreCard() const { return card_.get(); }
    unsigned resultCount() const { return results_.count(); }
    util::String result(unsigned index) const { return results_[index]; }

private:
    void recordResult();

    CaberWindow caber_;
    CaberFleebaWindow fleeba_;
    CaberLineWindow line_;
    CaberTargetWindow target_;
    std::unique_ptr<ScoreCard> card_;
    util::VAList<util::String> results_;
    gui::Region outerRing_;
    gui::Region middleRing_;
    gui::Region centre_;
    gui::Timer pause_;
    std::function<void()> showInstructions_;
};

} // namespace tamba::games
