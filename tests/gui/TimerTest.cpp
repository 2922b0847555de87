#include "gui/Timer.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using tamba::gui::Timer;
using tamba::gui::TimerListener;
using tamba::test::pumpMessages;
using tamba::test::pumpUntil;

namespace {

class Recorder : public TimerListener {
public:
    Recorder(std::string* log, char name) : log(log), name(name) {}
    void tick(Timer& timer) override {
        *log += name;
        lastTimer = &timer;
    }
    std::string* log;
    char name;
    Timer* lastTimer = nullptr;
};

// Registers another listener the first time it ticks.
class Recruiter : public TimerListener {
public:
    Recruiter(Timer& timer, TimerListener& recruit) : timer(timer), recruit(recruit) {}
    void tick(Timer&) override {
        if (!done)
            timer.addListener(&recruit);
        done = true;
    }
    Timer& timer;
    TimerListener& recruit;
    bool done = false;
};

} // namespace

TEST(Timer, TicksListenersInRegistrationOrderAndTwiceWhenAddedTwice) {
    std::string log;
    Recorder a(&log, 'a'), b(&log, 'b');
    Timer timer(100, false);
    timer.addListener(&a);
    timer.addListener(&b);
    timer.addListener(&a);
    timer.tick();
    EXPECT_EQ(log, "aba");
    EXPECT_EQ(a.lastTimer, &timer);

    log.clear();
    timer.removeListener(&a);
    timer.tick();
    EXPECT_EQ(log, "ba");
}

TEST(Timer, ListenerAddedDuringATickIsTickedInTheSamePass) {
    std::string log;
    Recorder late(&log, 'l');
    Timer timer(100, false);
    Recruiter recruiter(timer, late);
    timer.addListener(&recruiter);
    timer.tick();
    EXPECT_EQ(log, "l");
}

TEST(Timer, StartNowFalseDoesNotTickUntilStarted) {
    std::string log;
    Recorder a(&log, 'a');
    Timer timer(20, false);
    timer.addListener(&a);
    EXPECT_FALSE(timer.running());
    pumpMessages(150);
    EXPECT_EQ(log, "");
    timer.stop(); // stopping a stopped timer does nothing
    EXPECT_FALSE(timer.running());
    timer.start();
    EXPECT_TRUE(timer.running());
    EXPECT_TRUE(pumpUntil([&] { return !log.empty(); }, 2000));
}

namespace {
// The ids of the window timers whose WM_TIMER messages reached the watched window.
HWND watchedWindow = nullptr;
std::set<WPARAM> timerIds;
LRESULT CALLBACK watchTimerMessages(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && message->message == WM_TIMER && message->hwnd == watchedWindow)
        timerIds.insert(message->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

TEST(Timer, RestartKeepsASingleWindowTimer) {
    std::string log;
    Recorder a(&log, 'a');
    Timer timer(20, true);
    timer.addListener(&a);
    timer.start();
    timer.start();
    // Every window timer on the Timer's window shows in the messages by its id: one id, one timer.
    watchedWindow = timer.windowHandle();
    timerIds.clear();
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, watchTimerMessages, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    EXPECT_TRUE(pumpUntil([&] { return log.size() >= 6; }, 5000));
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(timerIds.size(), 1u);

    timer.stop();
    log.clear();
    pumpMessages(200);
    EXPECT_EQ(log, "") << "stopping once silences the Timer";
}

TEST(Timer, TicksAtItsPeriodThroughTheMessageLoop) {
    std::string log;
    Recorder a(&log, 'a');
    Timer timer(20, true);
    timer.addListener(&a);
    pumpMessages(500);
    // Generous bounds: the point is that ticks arrive repeatedly, not their exact pace.
    EXPECT_GE(log.size(), 5u);
    EXPECT_LE(log.size(), 30u);
}

TEST(Timer, AnUnrelatedTimerIdStillTicks) {
    std::string log;
    Recorder a(&log, 'a');
    Timer timer(100, false);
    timer.addListener(&a);
    SendMessageA(timer.windowHandle(), WM_TIMER, 12345, 0);
    EXPECT_EQ(log, "a");
}

TEST(Timer, ListenersOutliveTheTimer) {
    std::string log;
    Recorder a(&log, 'a');
    {
        Timer timer(20, true);
        timer.addListener(&a);
        EXPECT_EQ(timer.listenerCount(), 1u);
        Sleep(100); // a tick is due, but not yet delivered
    }
    pumpMessages(100);
    EXPECT_EQ(log, "") << "nothing reaches a listener once its Timer is gone";
    Timer other(100, false);
    other.addListener(&a);
    other.tick();
    EXPECT_EQ(log, "a");
    EXPECT_EQ(a.lastTimer, &other);
}
