#pragma once

#include "app/FleebaSplashScreen.h"
#include "app/FleebaWindow.h"
#include "app/FullScreenWatch.h"
#include "app/MainWindow.h"
#include "app/PopupMenu.h"
#include "app/Settings.h"
#include "games/caber/CaberGame.h"
#include "games/fishing/FishingGame.h"
#include "games/golf/GolfGame.h"
#include "gui/Timer.h"
#include "gui/WineWorkarounds.h"

namespace tamba::app {

class Game;

// The application controller: a hidden window titled "Fleeba" that owns everything the user sees and
// keeps exactly one activity current. Once per tick it looks whether another program fills a monitor,
// and keeps the toy's windows on that monitor beneath it while it does; it also follows the monitors as
// they come, go and change. What the desktop does is noted where it arrives and applied in one step per
// tick, never inside one of the toy's modal loops.
class FleebaApp : public MainWindow, public gui::TimerListener {
    // First of all: the scale they choose must be set before any picture is loaded.
    Settings settings_;

public:
    static constexpr unsigned tickMs = 100;
    // How often the foreground window is looked at, in ticks; how often, in looks, one that has not
    // changed is looked at for full screen, and the shell is asked.
    static constexpr unsigned foregroundCheckTicks = 2;
    static constexpr unsigned fullScreenCheckLooks = 3;
    static constexpr unsigned shellCheckLooks = 5;

    FleebaApp();
    ~FleebaApp() override;

    // Stops the current activity, then starts the next; selecting the running one restarts it. A start
    // that throws is logged, and the idle character becomes current instead.
    void selectGame(Game* next);
    void returnToIdle();
    // Opens the popup menu at a screen point; a game then chosen plays on that point's monitor.
    void showMenu(int x, int y);
    void onCommand(int id, int code) override;
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The Options command: after OK, the settings are saved, and the registry and every window of the toy
    // follow them.
    void runOptions();
    // The scale the toy draws at: the Size setting, or at "Automatic" the scale of the monitor it plays on.
    int toyScale() const;
    // Puts every window of the toy in or out of the top-most band, as on top says; out of it on a monitor
    // where another program is full screen.
    void applyOnTop();
    void tick(gui::Timer& timer) override;
    // The one step that applies what was noted since the last: the monitors' news, a new Size, an activity
    // chosen from the menu. While a modal loop of the toy runs it asks the loops to end instead, and the
    // step follows once they have.
    void applyChanges();
    // A new Size was set: applied by the next step.
    void noteSizeChange() { sizeNoted_ = true; }

    bool queryRunOnStartup();
    void applyRunOnStartup(bool on);

    gui::Timer& timer() { return timer_; }
    Game* currentGame() const { return current_; }
    FleebaSplashScreen& splashScreen() { return splash_; }
    FleebaWindow& characterWindow() { return character_; }
    games::FishingGame& fishingGame() { return fishing_; }
    games::CaberGame& caberGame() { return caber_; }
    games::GolfGame& golfGame() { return golf_; }
    gui::WineWorkarounds& wineWorkarounds() { return wine_; }
    // The settings kept between runs; after a change, applyOnTop or applyChanges makes the toy follow.
    Settings& settings() { return settings_; }

    // Whether the start-up value is in the registry, as last read or written.
    bool runOnStartup = true;

private:
    void lookAtForeground();
    // Looks which monitors another program fills, and restacks what that changes.
    void checkFullScreen(HWND front, bool askShell);
    // The menu borrows the foreground while it is open; this hands it back unless a window that takes
    // keys has it now.
    void giveKeyboardBack();
    bool takesKeys(HWND window);
    bool isGame(const Game* game) const;
    // The monitors were read anew and differ: every shown window lying mostly off them comes back onto the
    // nearest one, whole. True when the monitor the toy played on went (play moves to the primary one).
    bool followMonitors();
    void bringBackStrays();
    // A window that told of a new scale: when the user put it on another monitor (the idle character, or
    // the window the last menu was asked from), the toy plays there now; true then. A window the game
    // itself moved across a border changes nothing.
    bool followUsersWindow(HWND window);
    // Makes the toy's scale current: the character switches at its next tick, and a running game starts
    // again at the new size, as choosing it again from the menu would.
    void applyToyScale();
    // The settings saved from the last run, with the scale they choose made current.
    static Settings startingSettings();
    // Moves a shown window so that, once it takes the pictures of the scale now current at its next tick,
    // the middle of its bottom edge stays where it is, and the window stays whole on its monitor.
    static void keepFeetInPlace(gui::SpriteWindow& window);
    // Makes the scale at which an activity fits current, before it starts.
    void fitScaleFor(const Game& game);
    // The sound device is held while a game is current only.
    void followSoundDevice();

    gui::Timer timer_;
    FleebaSplashScreen splash_;
    games::FishingGame fishing_;
    games::CaberGame caber_;
    games::GolfGame golf_;
    FleebaWindow character_;
    PopupMenu menu_;
    Game* current_ = nullptr; // not owned: one of the members above
    FullScreenWatch fullScreen_;
    gui::WineWorkarounds wine_;
    HWND lastForeground_ = nullptr; // not owned: the foreground window at the last tick, any program's
    unsigned foregroundTicks_ = 0;
    unsigned fullScreenLooks_ = 0;
    unsigned shellLooks_ = 0;
    HWND keyboardLender_ = nullptr; // not owned: whatever window had the foreground when the menu opened
    RECT menuArea_;                 // the monitor the last menu was asked for on
    HWND menuWindow_ = nullptr;     // not owned: the toy's window the last menu was asked from, or none
    // Waiting for the next step: an activity chosen from the menu and the monitor it was chosen on; a new
    // Size.
    Game* chosen_ = nullptr; // not owned: one of the members above
    RECT chosenArea_;
    bool sizeNoted_ = false;
};

} // namespace tamba::app
