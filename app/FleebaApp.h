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
// they come, go and change.
class FleebaApp : public MainWindow, public gui::TimerListener {
    // First of all: the scale these choose must be set before any picture is loaded.
    int monitorDpi_; // the dots per inch of the monitor the toy plays on
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
    // Makes the toy's scale current: the character switches at once, and a running game starts again at
    // the new size, as choosing it again from the menu would.
    void applyToyScale();
    // Puts every window of the toy in or out of the top-most band, as on top says; out of it on a monitor
    // where another program is full screen.
    void applyOnTop();
    void tick(gui::Timer& timer) override;
    // The monitors were read anew and differ: a game whose monitor went starts again on the primary one,
    // and every shown window lying mostly off the monitors comes back onto the nearest one, whole.
    void monitorsChanged();

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

    bool playSounds;
    bool onTop;
    bool runOnStartup = true;
    // A drawn scale in percent, or Settings::automaticSize.
    int size;

private:
    void lookAtForeground();
    // Looks which monitors another program fills, and restacks what that changes.
    void checkFullScreen(HWND front, bool askShell);
    // The menu borrows the foreground while it is open; this hands it back unless a window that takes
    // keys has it now.
    void giveKeyboardBack();
    bool takesKeys(HWND window);
    bool isGame(const Game* game) const;
    void bringBackStrays();
    // The activity chosen next plays on this monitor, at its scale.
    void playOn(const RECT& monitor);
    // The settings saved from the last run, with the scale they choose on a monitor of dpi made current.
    static Settings startingSettings(int dpi);
    // Moves a shown window so that, once it takes the pictures of the scale now current at its next tick,
    // the middle of its bottom edge stays where it is.
    static void keepFeetInPlace(gui::SpriteWindow& window);
    // Makes the scale at which an activity fits current, before it starts.
    void fitScaleFor(const Game& game);

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
};

} // namespace tamba::app
