#include "gui/SequenceSprite.h"
#include "gui/SpriteWindow.h"
#include "gui/Timer.h"
#include "support/GdiCensus.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <memory>
#include <psapi.h>
#include <set>

using namespace tamba::gui;
using tamba::test::liveGdiObjects;

namespace {
// Remembers every region handed to it before the window takes it over.
class TrackingWindow : public SpriteWindow {
public:
    explicit TrackingWindow(Timer& timer) : SpriteWindow("LeakTestWindow", timer, 300, 200) {}
    void setWindowRegion(GdiHandle<HRGN>& region) override {
        ++offered;
        handed.insert(region.get());
        SpriteWindow::setWindowRegion(region);
    }
    int offered = 0;
    std::set<HRGN> handed;
};

struct Census {
    int regions = liveGdiObjects(OBJ_REGION);
    int bitmaps = liveGdiObjects(OBJ_BITMAP);
    int memoryContexts = liveGdiObjects(OBJ_MEMDC);
    int all = liveGdiObjects();
};

SIZE_T privateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}
} // namespace

// Frame 500 has the whole rectangle as outline, 501 the left half. Every frame change costs about a
// millisecond under Wine (SetWindowRgn), so the frames alternate every ten ticks: 10,000 changes in the
// 100,000 ticks keep the run near 20 seconds.
TEST(SpriteWindowLeak, AHundredThousandTicksOfAlternatingFramesLeaveNothingBehind) {
    constexpr int ticks = 100000;
    constexpr int warmUp = 1000;
    const int frames[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const FrameSequence alternating{0, frames, 20, nullptr};

    Timer timer(100000, false);
    // Wine keeps a few regions of its own in its device context cache once a window has painted; let that
    // happen before counting.
    {
        SequenceSprite sprite(2, 500, 500);
        TrackingWindow window(timer);
        sprite.setSequence(&alternating);
        window.setSprite(&sprite);
        window.show();
        for (int i = 0; i < 40; ++i)
            timer.tick();
        tamba::test::pumpMessages(50);
    }
    const Census before;
    auto sprite = std::make_unique<SequenceSprite>(2, 500, 500);
    auto window = std::make_unique<TrackingWindow>(timer);
    const HBITMAP bitmaps[] = {sprite->frameSet().bitmap(0), sprite->frameSet().bitmap(1)};
    sprite->setSequence(&alternating);
    window->setSprite(sprite.get());
    window->show();
    tamba::test::pumpMessages(100);

    for (int i = 0; i < warmUp; ++i)
        timer.tick();
    tamba::test::pumpMessages();
    const Census warm;
    const SIZE_T bytesWarm = privateBytes();
    const int offeredWarm = window->offered;

    for (int i = 0; i < ticks; ++i) {
        // Handle values come back with every reuse of a slot of the handle table, so only recent ones are
        // sure to name our regions when they are checked at the end.
        if (i == ticks - 1000)
            window->handed.clear();
        timer.tick();
        if (i % 50 == 0)
            tamba::test::pumpMessages();
    }
    tamba::test::pumpMessages();
    const Census hot;
    const SIZE_T bytesHot = privateBytes();

    // One region per frame change, and no other object is left alive by a tick.
    EXPECT_EQ(window->offered - offeredWarm, ticks / 10);
    EXPECT_EQ(hot.regions, warm.regions);
    EXPECT_EQ(hot.bitmaps, warm.bitmaps);
    EXPECT_EQ(hot.memoryContexts, warm.memoryContexts);
    EXPECT_EQ(hot.all, warm.all);
    EXPECT_LT(bytesHot, bytesWarm + 512 * 1024)
        << "private bytes grew from " << bytesWarm << " to " << bytesHot;

    const std::set<HRGN> handed = window->handed;
    window.reset();
    sprite.reset();
    const Census after;
    EXPECT_EQ(after.regions, before.regions);
    EXPECT_EQ(after.bitmaps, before.bitmaps);
    EXPECT_EQ(after.memoryContexts, before.memoryContexts);
    for (HBITMAP bitmap : bitmaps)
        EXPECT_EQ(GetObjectType(bitmap), 0u);
    int alive = 0;
    for (HRGN region : handed)
        alive += GetObjectType(region) != 0;
    EXPECT_EQ(alive, 0) << "of " << handed.size() << " distinct region handles";
}
