// Cost of the caber tick that starts the run-up, which starts the steps' sound, beside the same tick with
// the sounds off: what a sound adds to the tick it starts in. Run by scripts/bench.sh under a sound server
// of its own (scripts/with-sound.sh), so that the sound really reaches a device.
#include "TickSamples.h"
#include "app/Application.h"
#include "games/caber/CaberGame.h"
#include "gui/SoundEffects.h"
#include "gui/Timer.h"
#include "support/TestEnvironment.h"

using namespace tamba;

namespace {
constexpr int measured = 300;

void measure(const char* name, games::CaberGame& game, gui::Timer& timer) {
    bench::TickSamples samples(measured);
    for (int i = 0; i < measured + 10; ++i) {
        game.start();
        test::pumpMessages();
        samples.begin();
        SendMessageA(game.fleeba().handle(), WM_KEYDOWN, VK_LEFT, 0);
        timer.tick();
        if (i >= 10)
            samples.end();
        SendMessageA(game.fleeba().handle(), WM_KEYUP, VK_LEFT, 0);
    }
    samples.print(name);
}
} // namespace

int main() {
    util::Logger logger(true);
    app::Application application(GetModuleHandleA(nullptr), logger);
    gui::Timer timer(100000, false);
    games::CaberGame game(timer, nullptr);
    game.setShowInstructions([] {});

    gui::SoundEffects::setEnabled(true);
    gui::SoundEffects::open();
    measure("run-up tick, starting a sound", game, timer);
    gui::SoundEffects::setEnabled(false);
    measure("run-up tick, sounds off", game, timer);
    game.stop();
    return 0;
}
