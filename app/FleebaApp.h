#pragma once

#include "app/FleebaSplashScreen.h"
#include "app/FleebaWindow.h"
#include "app/MainWindow.h"
#include "app/PopupMenu.h"
#include "games/caber/CaberGame.h"
#include "games/fishing/FishingGame.h"
#include "games/golf/GolfGame.h"
#include "gui/Timer.h"

namespace tamba::app {

class Game;

// The application controller: a hidden window titled "Fleeba" that owns everything the user sees and
// keeps exactly one activity current.
class FleebaApp : public MainWindow {
public:
    static constexpr unsigned tickMs = 100;

    FleebaApp();

    // Stops the current activity, then starts the next; selecting the running one restarts it. A start
    // that throws is logged, and the idle character becomes current instead.
    void selectGame(Game* next);
    void returnToIdle();
    void showMenu(int x, int y);
    void onCommand(int id, int code) override;

    // The Options command: after OK, the registry and every sprite window follow the settings.
    void runOptions();
    // Puts every sprite window of the program in or out of the top-most band, as on top says.
    void applyOnTop();

    bool queryRunOnStartup();
    void applyRunOnStartup(bool on);

    gui::Timer& timer() { return timer_; }
    Game* currentGame() const { return current_; }
    FleebaSplashScreen& splashScreen() { return splash_; }
    FleebaWindow& characterWindow() { return character_; }
    games::FishingGame& fishingGame() { return fishing_; }
    games::CaberGame& caberGame() { return caber_; }
    games::GolfGame& golfGame() { return golf_; }

    bool playSounds = true;
    bool onTop = true;
    bool runOnStartup = true;

private:
    gui::Timer timer_;
    FleebaSplashScreen splash_;
    games::FishingGame fishing_;
    games::CaberGame caber_;
    games::GolfGame golf_;
    FleebaWindow character_;
    PopupMenu menu_;
    Game* current_ = nullptr; // not owned: one of the members above
};

} // namespace tamba::app
