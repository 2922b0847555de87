// Cost of one tick of a shown 158 by 188 sprite window, with the frame unchanged and with a frame change
// (a new outline of about 150 rectangles each time).
#include "app/Application.h"
#include "gui/CyclingSprite.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"
#include "gui/Timer.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tamba;

namespace {
constexpr int warmUpTicks = 100;
constexpr int measuredTicks = 2000;

double microsecondsBetween(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

void measure(const char* name, gui::Sprite& sprite) {
    gui::Timer timer(100000, false);
    gui::SpriteWindow window("SpriteWindowBench", timer, 300, 200);
    window.setSprite(&sprite);
    window.show();
    test::pumpMessages(200);

    std::vector<double> samples;
    samples.reserve(measuredTicks);
    for (int i = 0; i < warmUpTicks + measuredTicks; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        window.tick(timer);
        QueryPerformanceCounter(&end);
        if (i >= warmUpTicks)
            samples.push_back(microsecondsBetween(start, end));
        // Whatever the tick left queued is handled outside the measured span, as the message loop would.
        test::pumpMessages();
    }
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double p99 = samples[samples.size() * 99 / 100];
    std::printf("tick, %-14s median %8.1f us   99th percentile %8.1f us   (%d ticks)\n", name, median, p99,
                measuredTicks);
}
} // namespace

int main() {
    util::Logger logger(true);
    app::Application application(GetModuleHandleA(nullptr), logger);

    // The same frame again: no placement and no outline, only the paint.
    gui::SequenceSprite still(2, 1000, 1000);
    const int stillFrames[] = {0};
    gui::FrameSequence stillSequence{0, stillFrames, 1, nullptr};
    still.setSequence(&stillSequence);
    measure("frame unchanged", still);

    // Alternating frames: a new outline on every tick.
    gui::CyclingSprite alternating(2, 1000, 1000, 0);
    measure("frame changed", alternating);
    return 0;
}
