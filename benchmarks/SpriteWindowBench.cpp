// Cost of one tick of a shown 158 by 188 sprite window, with the frame unchanged and with a frame change
// (a new outline of about 150 rectangles each time, or the same outline); and of a frame change of the
// program's own diver (its net swipe, a new picture and outline on every tick) at 100 % and at 200 %.
#include "TickSamples.h"
#include "app/Application.h"
#include "gui/CyclingSprite.h"
#include "gui/FrameSet.h"
#include "gui/Scale.h"
#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"
#include "gui/Timer.h"
#include "support/TestEnvironment.h"

#include <cstdio>

using namespace tamba;

namespace {
constexpr int warmUpTicks = 100;
constexpr int measuredTicks = 2000;

void measure(const char* name, gui::Sprite& sprite) {
    gui::Timer timer(100000, false);
    gui::SpriteWindow window("SpriteWindowBench", timer, 300, 200);
    window.setSprite(&sprite);
    window.show();
    test::pumpMessages(200);

    bench::TickSamples samples(measuredTicks);
    for (int i = 0; i < warmUpTicks + measuredTicks; ++i) {
        samples.begin();
        window.tick(timer);
        if (i >= warmUpTicks)
            samples.end();
        // Whatever the tick left queued is handled outside the measured span, as the message loop would.
        test::pumpMessages();
    }
    samples.print(name);
}
// The platform's share of a frame change: the same two outlines handed to a plain window of the same
// kind in turn, with none of the sprite code.
void measureBareOutlines() {
    gui::Timer timer(100000, false);
    gui::SpriteWindow window("SpriteWindowBench", timer, 300, 200);
    window.show();
    SetWindowPos(window.handle(), HWND_TOPMOST, 300, 200, 158, 188, SWP_NOACTIVATE);
    test::pumpMessages(200);
    gui::FrameSet outlines(2, 1000, 1000);
    outlines.load();
    bench::TickSamples samples(measuredTicks);
    for (int i = 0; i < warmUpTicks + measuredTicks; ++i) {
        samples.begin();
        HRGN region = ExtCreateRegion(nullptr, outlines.outlineSize(i % 2), outlines.outline(i % 2));
        // The window owns the region once it has taken it; redrawn, as the sprite windows do.
        if (SetWindowRgn(window.handle(), region, TRUE) == 0)
            DeleteObject(region);
        if (i >= warmUpTicks)
            samples.end();
        test::pumpMessages();
    }
    samples.print("SetWindowRgn alone, same outlines");
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
    measure("tick, frame unchanged", still);

    // Alternating frames: a new outline on every tick.
    gui::CyclingSprite alternating(2, 1000, 1000, 0);
    measure("tick, frame changed", alternating);

    // Alternating pictures with one outline, as in a blink: no new region.
    gui::CyclingSprite blinking(2, 1000, 1010, 0);
    measure("tick, frame changed, same outline", blinking);

    measureBareOutlines();

    // The diver's swipe, frames 406 to 409, side by side at two scales.
    for (int percent : {100, 200}) {
        gui::Scale::set(percent);
        gui::CyclingSprite swipe(4, 406, 406, 0);
        char name[64];
        std::snprintf(name, sizeof name, "tick, diver frame changed, %d %%", percent);
        measure(name, swipe);
    }
    gui::Scale::set(100);
    return 0;
}
