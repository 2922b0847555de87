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
// keeps exactly one activity current. Once per tick it looks whether another program fills its screen,
// and keeps every sprite window beneath it while it does.
class FleebaApp : public MainWindow, public gui::TimerListener {
public:
    static constexpr unsigned tickMs = 100;

    FleebaApp();
    ~FleebaApp() override;

    // Stops the current activity, then starts the next; selecting the running one restarts it. A start
    // that throws is logged, and the idle character becomes current instead.
    void selectGame(Game* next);
    void returnToIdle();
    void showMenu(int x, int y);
    void onCommand(int id, int code) override;

    // The Options command: after OK, the registry and every sprite window follow the settings.
    void runOptions();
    // Puts every sprite window of the program in or out of the top-most band, as on top says; out of it
    // while another program is full screen.
    void applyOnTop();
    bool standingDown() const { return standingDown_; }
    void tick(gui::Timer& timer) override;

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
    void restack(bool topmost);
    void raiseShownWindows();
    // The menu borrows the foreground while it is open; this hands it back unless a window that takes
    // keys has it now.
    void giveKeyboardBack();
    bool takesKeys(HWND window);
    // The program's sprite window with that handle, or none.
    gui::SpriteWindow* spriteWindowOf(HWND window);

    gui::Timer timer_;
    FleebaSplashScreen splash_;
    games::FishingGame fishing_;
    games::CaberGame caber_;
    games::GolfGame golf_;
    FleebaWindow character_;
    PopupMenu menu_;
    Game* current_ = nullptr; // not owned: one of the members above
    bool standingDown_ = false;
    HWND lastForeground_ = nullptr; // not owned: the foreground window at the last tick, any program's
    int raiseTicks_ = 0;
    HWND keyboardLender_ = nullptr; // not owned: whatever window had the foreground when the menu opened
};

} // namespace tamba::app
