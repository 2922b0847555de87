#include "app/FleebaWindow.h"
#include "gui/Timer.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

using tamba::app::FleebaWindow;
using tamba::gui::FrameSequence;
using tamba::gui::Timer;

TEST(FleebaWindow, IdleRuleOverEveryValueOfRand) {
    int blinks = 0, glances = 0, rests = 0;
    for (int r = 0; r <= 32767; ++r) {
        const FrameSequence* chosen = FleebaWindow::chooseIdleSequence(r);
        if (chosen == &FleebaWindow::blink)
            ++blinks;
        else if (chosen == &FleebaWindow::glance)
            ++glances;
        else if (chosen == &FleebaWindow::rest)
            ++rests;
    }
    EXPECT_EQ(blinks, 8192);
    EXPECT_EQ(glances, 2731);
    EXPECT_EQ(rests, 21845);
}

namespace {
// Notes the tick on which each sequence ended and which one came next.
class WatchedFleeba : public FleebaWindow {
public:
    explicit WatchedFleeba(Timer& timer) : FleebaWindow(timer, nullptr) {}
    void onSpriteFinished() override {
        ends.push_back(ticks);
        FleebaWindow::onSpriteFinished();
        next.push_back(sprite().sequence());
    }
    int ticks = 0;
    std::vector<int> ends;
    std::vector<const FrameSequence*> next;
    std::vector<int> frames;
};

int expectedTicks(const FrameSequence* played, bool repeated) {
    const int length = played == &FleebaWindow::rest ? 10 : played->length;
    // Choosing the sequence that just ended restarts it without replaying its first entry.
    return repeated ? length - 1 : length;
}
} // namespace

TEST(FleebaWindow, RestBlinkAndGlanceLastTheirTicksAlsoWhenRepeated) {
    Timer timer(100, false);
    WatchedFleeba window(timer);
    std::srand(20261208);
    window.start();
    ASSERT_TRUE(IsWindowVisible(window.handle()));
    for (int i = 0; i < 4000; ++i) {
        ++window.ticks;
        window.tick(timer);
        window.frames.push_back(window.sprite().currentFrame());
    }
    ASSERT_GT(window.ends.size(), 100u);

    // The first sequence after start is a fresh Rest.
    EXPECT_EQ(window.ends[0], 10);
    bool seen[3][2] = {};
    const FrameSequence* all[3] = {&FleebaWindow::rest, &FleebaWindow::blink, &FleebaWindow::glance};
    for (size_t i = 1; i < window.ends.size(); ++i) {
        const FrameSequence* played = window.next[i - 1];
        const FrameSequence* before = i >= 2 ? window.next[i - 2] : &FleebaWindow::rest;
        const bool repeated = played == before;
        ASSERT_EQ(window.ends[i] - window.ends[i - 1], expectedTicks(played, repeated)) << "sequence " << i;
        for (int k = 0; k < 3; ++k)
            if (all[k] == played)
                seen[k][repeated] = true;

        // The frames shown: eyes closed for 3 ticks in a blink, head turned for 6 in a glance.
        int closed = 0, turned = 0;
        for (int t = window.ends[i - 1]; t < window.ends[i]; ++t) {
            closed += window.frames[t] == 1;
            turned += window.frames[t] == 2;
        }
        EXPECT_EQ(closed, played == &FleebaWindow::blink ? 3 : 0);
        EXPECT_EQ(turned, played == &FleebaWindow::glance ? 6 : 0);
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(seen[k][0]) << "fresh " << k;
        EXPECT_TRUE(seen[k][1]) << "repeated " << k;
    }
}

TEST(FleebaWindow, StartCentresAndStopHides) {
    Timer timer(100, false);
    FleebaWindow window(timer, nullptr);
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    window.start();
    RECT rect;
    window.windowRect(rect);
    EXPECT_EQ(rect.left, 470);
    EXPECT_EQ(rect.top, 324);
    EXPECT_EQ(rect.right - rect.left, 83);
    EXPECT_EQ(rect.bottom - rect.top, 120);
    window.moveTo(10, 10);
    window.stop();
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    const int frame = window.sprite().currentFrame();
    window.tick(timer); // hidden: no animation
    EXPECT_EQ(window.sprite().currentFrame(), frame);
    window.start();
    window.windowRect(rect);
    EXPECT_EQ(rect.left, 470);
}
