#pragma once

#include "app/Game.h"
#include "games/fishing/FishWindow.h"
#include "games/fishing/FishingFleebaWindow.h"
#include "games/fishing/IslandWindow.h"
#include "tamba_util/OwningAList.h"

#include <functional>
#include <memory>

namespace tamba::app {
class FleebaApp;
}

namespace tamba::games {

class ScoreCard;

// The fishing game: the island, ten fish and the diver; catch all ten as quickly as possible.
class FishingGame : public app::Game {
public:
    static constexpr int fishCount = 10;

    FishingGame(gui::Timer& timer, app::FleebaApp* app);
    ~FishingGame();

    void start() override;
    void stop() override;
    // The island in the middle, clear of the card in the top-left corner, the dive and the rows of fish
    // beneath it.
    SIZE layoutSize() const override { return SIZE{1000, 742}; }
    // The diver is back at the island with this fish.
    void fishCaught(FishWindow* fish);

    // Tests replace the millisecond clock and the instructions dialog.
    void setClock(std::function<DWORD()> clock) { clock_ = std::move(clock); }
    void setShowInstructions(std::function<void()> show) { showInstructions_ = std::move(show); }

    IslandWindow& island() { return island_; }
    FishingFleebaWindow& diver() { return diver_; }
    FishWindow& fish(unsigned i) { return *fish_[i]; }
    ScoreCard* scoreCard() const { return card_.get(); }
    int caughtCount() const { return caught_; }
    int totalSeconds() const { return totalSeconds_; }

private:
    void placeRows();

    IslandWindow island_;
    util::OwningAList<FishWindow> fish_;
    FishingFleebaWindow diver_;
    int caught_ = 0;
    std::unique_ptr<ScoreCard> card_;
    DWORD startTick_ = 0;
    int totalSeconds_ = 0;
    std::function<DWORD()> clock_;
    std::function<void()> showInstructions_;
};

} // namespace tamba::games
