// Cost of one timer tick of the whole fishing scene: the island, ten fish and the diver (twelve sprite
// windows), with the score card open, as the game runs it on the program's 100 ms timer.
#include "TickSamples.h"
#include "app/Application.h"
#include "games/fishing/FishingGame.h"
#include "gui/Timer.h"
#include "support/TestEnvironment.h"

#include <string>
#include <vector>

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
LRESULT CALLBACK bareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND)
        return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The platform's share: ten bare shaped popups of a fish's size, moved and drawn as the fish are, with none
// of the game's code. Under Wine a top-level window's move costs far more than anything the game does.
void measureBareMoves(const char* name, UINT flags) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = bareWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FishingSceneBenchBare";
    RegisterClassA(&windowClass);
    std::vector<HWND> windows; // destroyed below
    for (int i = 0; i < games::FishingGame::fishCount; ++i) {
        HWND window =
            CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass.lpszClassName, "bare", WS_POPUP, 0,
                            384 + 38 * i, 37, 29, nullptr, nullptr, windowClass.hInstance, nullptr);
        // The window owns the region once it has taken it.
        HRGN outline = CreateEllipticRgn(0, 0, 37, 29);
        if (SetWindowRgn(window, outline, FALSE) == 0)
            DeleteObject(outline);
        ShowWindow(window, SW_SHOWNA);
        windows.push_back(window);
    }
    test::pumpMessages(200);
    bench::TickSamples ticks(measuredTicks);
    for (int t = 0; t < warmUpTicks + measuredTicks; ++t) {
        ticks.begin();
        for (std::size_t i = 0; i < windows.size(); ++i) {
            SetWindowPos(windows[i], HWND_TOPMOST, (t * 3) % 980, 384 + 38 * static_cast<int>(i), 37, 29,
                         flags);
            UpdateWindow(windows[i]);
            HDC dc = GetDC(windows[i]);
            PatBlt(dc, 0, 0, 37, 29, BLACKNESS);
            ReleaseDC(windows[i], dc);
        }
        if (t >= warmUpTicks)
            ticks.end();
        test::pumpMessages();
    }
    ticks.print(name);
    for (HWND window : windows)
        DestroyWindow(window);
    test::pumpMessages(100);
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
    test::pumpMessages(100);

    constexpr UINT sceneFlags = SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOSENDCHANGING | SWP_DEFERERASE;
    measureBareMoves("ten bare windows moved, same flags", sceneFlags);
    measureBareMoves("ten bare windows moved, old pixels kept", sceneFlags & ~SWP_NOCOPYBITS);
    return 0;
}
