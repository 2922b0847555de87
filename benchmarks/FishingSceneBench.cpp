// Cost of one timer tick of the whole fishing scene: the island, ten fish and the diver (twelve sprite
// windows), with the score card open, as the game runs it on the program's 100 ms timer.
#include "app/Application.h"
#include "games/fishing/FishingGame.h"
#include "gui/Timer.h"
#include "TickSamples.h"
#include "support/TestEnvironment.h"

#include <string>

using namespace tamba;

namespace {
constexpr int warmUpTicks = 50;
constexpr int measuredTicks = 1500;

// The timer's own tick (every listener in turn) is measured; what it left queued is handled afterwards,
// as the message loop would, and measured as well: that is where Wine repaints and restacks.
void measure(const char* name, gui::Timer& timer, games::FishingGame& game, bool keepDiving) {
    bench::TickSamples ticks(measuredTicks);
    bench::TickSamples queued(measuredTicks);
    for (int i = 0; i < warmUpTicks + measuredTicks; ++i) {
        if (keepDiving && game.diver().sprite().motionState == games::DiverSprite::atHome)
            SendMessageA(game.diver().handle(), WM_KEYDOWN, VK_DOWN, 0);
        ticks.begin();
        timer.tick();
        if (i >= warmUpTicks)
            ticks.end();
        queued.begin();
        test::pumpMessages();
        if (i >= warmUpTicks)
            queued.end();
    }
    ticks.print((std::string(name) + ", tick").c_str());
    queued.print((std::string(name) + ", queued messages").c_str());
}
} // namespace

int main() {
    util::Logger logger(true);
    app::Application application(GetModuleHandleA(nullptr), logger);

    // Never started: only the ticks made here happen.
    gui::Timer timer(100, false);
    games::FishingGame game(timer, nullptr);
    game.setShowInstructions([] {});
    game.start();
    test::pumpMessages(300);
    std::printf("fishing scene: %u sprite windows on the timer\n", timer.listenerCount());

    measure("fish swimming, diver at home", timer, game, false);
    measure("fish swimming, diver diving", timer, game, true);
    game.stop();
    return 0;
}
