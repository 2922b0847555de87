// Seeded chaos on the real program on two monitors. The test plays a user who works in windows of their
// own on both monitors and plays with the toy meanwhile, at random: clicks, drags, right-clicks and keys on
// the toy, games chosen from its menu and played a little, the instructions picture played, closed or left
// open, Options with a new Size; and the desktop changes under it: a full-screen program comes and goes on
// either monitor, the user turns to a window of theirs, the second monitor goes off, comes back, moves to
// the other side of the primary or changes its size. Every random choice comes from one seed, printed at
// the start (FLEEBA_CHAOS_SEED sets it; FLEEBA_CHAOS_SECONDS the length, 60 s by default).
//
// Meanwhile a watch of its own looks at the toy twenty times a second and holds it to its promises:
//   1. it runs and answers: its hidden window "Fleeba" answers a message within a second;
//   2. every shown window of the toy lies at least half on some monitor, within 1.5 s of any change (a game
//      whose monitor went starts again). Stricter than the toy's own rule for bringing back a window left
//      off the screens (half on all the monitors together) only where monitors of different heights meet;
//   3. at most one instructions picture is shown;
//   4. within 1.5 s, no sprite window or score card of the toy is top-most on a monitor that another
//      program's full-screen window covers (the highest of the user's windows there fills it without a
//      caption), and all are top-most on the other monitors ("Show on top" is never cleared here). The
//      instructions picture, Options and the menu, which the user asked for and answers at once, are top-most
//      wherever they are;
//   5. a click on a window of the toy leaves the keyboard with the user's window, the windows that play with
//      keys excepted (the diver and its island, the caber thrower, the golfer); the menu gives it back
//      when it closes (checked after the event, by the test itself);
//   6. the toy's top-level windows stay within what its activities make (counted once per activity at the
//      start), and its resident memory (GetProcessMemoryInfo, which Wine answers with the process's VmRSS)
//      grows by less than 2 MB after the first minute; since the toy keeps the pictures of each activity at
//      each size once shown, from the last time the run broke such new ground, if two minutes or more
//      follow it (so only in long runs). GDI and USER object counts are not bounded: Wine's GetGuiResources
//      answers 0;
// and one the games owe the player: 7. a caber thrown with Left held for 30 key repeats or more flies
// (checked after the throw).
// While a promise is broken the chaos holds still, so that no later event mends what the toy left wrong,
// until the toy mends it or is judged.
// On a failure the test prints the seed and the last 20 events.
//
// Each fault this test found while it was built is kept below as a short scripted case.
#include "support/GameLauncher.h"
#include "support/LinkRecorder.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"
#include "support/UserWindow.h"
#include "support/Xrandr.h"

#include "res/resource.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <psapi.h>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using tamba::test::LinkRecorder;
using tamba::test::monitorRects;
using tamba::test::pointInOutline;
using tamba::test::pumpMessages;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::RunningToy;
using tamba::test::runXrandr;
using tamba::test::UserWindow;
using tamba::test::visibleMenu;

namespace {

// ----------------------------------------------------------------------------------------------------------
// What the run is asked for, and the time allowed

unsigned long numberFromEnvironment(const char* name, unsigned long fallback) {
    char text[32] = {};
    const DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
    if (length == 0 || length >= sizeof text)
        return fallback;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    return end != text ? value : fallback;
}

constexpr DWORD allowanceMs = 1500;     // for the toy to set its windows right after a change
constexpr DWORD pictureSwapMs = 500;    // two instructions pictures while one takes the other's place
constexpr DWORD answerMs = 1000;        // for the toy's hidden window to answer
constexpr DWORD memoryWarmUpMs = 60000; // resident memory is judged from the first minute on
constexpr SIZE_T memoryGrowthLimit = 2 * 1024 * 1024;

DWORD now() {
    return GetTickCount();
}

// ----------------------------------------------------------------------------------------------------------
// Rectangles and monitors

long long areaOf(const RECT& r) {
    return r.right > r.left && r.bottom > r.top
               ? static_cast<long long>(r.right - r.left) * (r.bottom - r.top)
               : 0;
}

long long overlapOf(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) ? areaOf(common) : 0;
}

bool sameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

POINT middleOf(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string text(const RECT& r) {
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

// The primary monitor is the one at the origin; the second is any other.
std::optional<RECT> primaryMonitor(const std::vector<RECT>& monitors) {
    for (const RECT& m : monitors)
        if (m.left == 0 && m.top == 0)
            return m;
    return std::nullopt;
}

std::optional<RECT> secondMonitor(const std::vector<RECT>& monitors) {
    for (const RECT& m : monitors)
        if (m.left != 0 || m.top != 0)
            return m;
    return std::nullopt;
}

// ----------------------------------------------------------------------------------------------------------
// Windows as the test sees them

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct TopWindow {
    HWND handle = nullptr;
    std::string className;
    std::string title;
    RECT rect = {};
    bool visible = false;
    bool topmost = false;
    LONG style = 0;
};

// Every top-level window of a process, shown or not, in z-order from the top (titles for another process's
// windows only).
std::vector<TopWindow> topWindowsOf(DWORD process) {
    struct Search {
        DWORD process;
        std::vector<TopWindow> found;
    } search{process, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process) {
                TopWindow w;
                w.handle = window;
                w.className = classOf(window);
                // Not the test's own: the watch thread would have to wait for the main thread to answer.
                if (owner != GetCurrentProcessId())
                    w.title = tamba::test::windowTitle(window);
                w.rect = rectOf(window);
                w.visible = IsWindowVisible(window) != FALSE;
                w.topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                w.style = GetWindowLongA(window, GWL_STYLE);
                s->found.push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND spriteWindow(const char* title) {
    HWND window = FindWindowA("TambaGuiCustomWindow", title);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// What a window of the toy is. The instructions picture and a score card are the same dialog template at
// the same size; they are told apart where they first appear: the picture in the middle of a monitor, the
// card in a monitor's top-left corner. Options is the dialog with controls.
enum class Kind { sprite, instructions, card, options, menu, dropList, other };

const char* nameOf(Kind kind) {
    switch (kind) {
    case Kind::sprite:
        return "sprite window";
    case Kind::instructions:
        return "instructions picture";
    case Kind::card:
        return "score card";
    case Kind::options:
        return "Options";
    case Kind::menu:
        return "menu";
    case Kind::dropList:
        return "size list";
    default:
        return "window";
    }
}

std::string describe(const TopWindow& w, Kind kind) {
    std::string name = kind == Kind::sprite ? "\"" + w.title + "\"" : nameOf(kind);
    return name + " at " + text(w.rect);
}

// The windows whose right-click opens the toy's menu.
bool opensMenu(const std::string& title) {
    return title == "FleebaWindow" || title == "FishingFleebaWindow" || title == "IslandWindow" ||
           title == "GolfFleebaWindow" || title == "GolfHoleWindow" || title == "CaberFleebaWindow";
}

// Which monitors a full-screen program covers, as the user sees them. The user's windows are the test's own;
// on each monitor the highest of them that fills it or lies mostly on it decides: one without a caption that
// fills the monitor covers it, any other uncovers it.
std::vector<bool> coveredMonitors(const std::vector<RECT>& monitors) {
    std::vector<bool> covered(monitors.size(), false), decided(monitors.size(), false);
    for (const TopWindow& w : topWindowsOf(GetCurrentProcessId())) {
        if (!w.visible || w.className != "TestUserWindow" || (w.style & WS_MINIMIZE) != 0)
            continue;
        const bool captionless = (w.style & WS_CAPTION) != WS_CAPTION;
        size_t home = 0;
        long long most = 0;
        for (size_t i = 0; i < monitors.size(); ++i)
            if (overlapOf(w.rect, monitors[i]) > most) {
                most = overlapOf(w.rect, monitors[i]);
                home = i;
            }
        for (size_t i = 0; i < monitors.size(); ++i) {
            if (decided[i])
                continue;
            if (captionless && inside(monitors[i], w.rect))
                decided[i] = covered[i] = true;
            else if (most > 0 && i == home)
                decided[i] = true;
        }
    }
    return covered;
}

bool userHasKeyboard() {
    DWORD process = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &process);
    return process == GetCurrentProcessId();
}

// ----------------------------------------------------------------------------------------------------------
// The events, logged as short lines as they are made

class EventLog {
public:
    explicit EventLog(DWORD start) : start_(start) {}

    void event(const std::string& line) { add(true, " #" + std::to_string(++count_) + " " + line); }
    // What came of the last event.
    void outcome(const std::string& line) { add(false, "      " + line); }

    // The last events with what came of them.
    std::string last(int events) const {
        std::lock_guard<std::mutex> lock(mutex_);
        size_t first = entries_.size();
        for (int seen = 0; first > 0 && seen < events;)
            if (entries_[--first].event)
                ++seen;
        std::string out;
        for (size_t i = first; i < entries_.size(); ++i)
            out += "  " + entries_[i].line + "\n";
        return out;
    }
    int count() const { return count_; }
    void setVerbose(bool verbose) { verbose_ = verbose; }
    // When the last line was added.
    DWORD lastAt() const { return lastAt_; }

private:
    struct Entry {
        bool event;
        std::string line;
    };

    void add(bool event, const std::string& line) {
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "[%7.1f s]", (now() - start_) / 1000.0);
        std::lock_guard<std::mutex> lock(mutex_);
        lastAt_ = now();
        entries_.push_back({event, stamp + line});
        while (entries_.size() > 400)
            entries_.pop_front();
        if (verbose_) {
            std::printf("%s\n", entries_.back().line.c_str());
            std::fflush(stdout);
        }
    }

    mutable std::mutex mutex_;
    const DWORD start_;
    std::atomic<int> count_{0};
    std::atomic<DWORD> lastAt_{now()};
    std::deque<Entry> entries_;
    bool verbose_ = false;
};

// ----------------------------------------------------------------------------------------------------------
// The watch: promises 1, 2, 3, 4 and 6, looked at twenty times a second from a thread of its own

class Watch {
public:
    struct Breach {
        int promise;
        std::string detail;
    };

    Watch(DWORD process, HWND controller, EventLog& log)
        : processId_(process), controller_(controller), log_(&log),
          process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, process)),
          thread_([this] { run(); }) {}

    ~Watch() {
        stop_ = true;
        thread_.join();
        if (process_ != nullptr)
            CloseHandle(process_);
    }

    std::optional<Breach> breach() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return breach_;
    }

    // Whether some promise is broken at the moment and not yet judged. The chaos holds still meanwhile: a
    // later event must not mend what the toy left wrong (a click back on the full-screen window, say).
    bool troubled() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return !troubles_.empty() && !breach_;
    }

    // Told apart on first sight (by whichever thread sees it first).
    Kind kindOf(HWND window) {
        std::lock_guard<std::mutex> lock(mutex_);
        return kindLocked(window);
    }

    // The shown windows of the toy of that kind, in z-order from the top.
    std::vector<HWND> shown(Kind kind) {
        std::vector<HWND> found;
        for (const TopWindow& w : topWindowsOf(processId_))
            if (w.visible && kindOf(w.handle) == kind)
                found.push_back(w.handle);
        return found;
    }

    int windowCount() const { return static_cast<int>(topWindowsOf(processId_).size()); }

    // Promise 6 holds from now on: at most this many top-level windows.
    void boundWindows(int bound) {
        std::lock_guard<std::mutex> lock(mutex_);
        windowBound_ = bound;
    }
    int mostWindows() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return mostWindows_;
    }

    // The toy's resident memory (the working set the platform reports), or 0 if it reports none.
    SIZE_T residentMemory() const {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        if (process_ == nullptr || !K32GetProcessMemoryInfo(process_, &counters, sizeof counters))
            return 0;
        return counters.WorkingSetSize;
    }

    struct MemorySample {
        DWORD at; // tick count
        SIZE_T bytes;
    };
    std::vector<MemorySample> memory() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return memory_;
    }

    bool exited() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

private:
    struct Trouble {
        DWORD since;
        std::string what;
    };

    void run() {
        DWORD lastAnswer = 0, lastMemory = 0;
        while (!stop_) {
            look();
            if (now() - lastAnswer >= 1000) {
                lastAnswer = now();
                askForAnswer();
            }
            // No event takes two minutes: say so once, with the events, should the test itself be stuck.
            if (!stallReported_ && now() - log_->lastAt() > 120000) {
                stallReported_ = true;
                std::printf("The test has logged nothing for two minutes; the last events:\n%s",
                            log_->last(20).c_str());
                std::fflush(stdout);
            }
            if (now() - lastMemory >= 2000) {
                lastMemory = now();
                const SIZE_T bytes = residentMemory();
                std::lock_guard<std::mutex> lock(mutex_);
                memory_.push_back({now(), bytes});
            }
            Sleep(50);
        }
    }

    Kind kindLocked(HWND window) {
        auto known = kinds_.find(window);
        if (known != kinds_.end() && IsWindow(window))
            return known->second;
        const std::string name = classOf(window);
        Kind kind = Kind::other;
        if (name == "TambaGuiCustomWindow") {
            kind = Kind::sprite;
        } else if (name == "#32768") {
            kind = Kind::menu;
        } else if (name == "ComboLBox") {
            kind = Kind::dropList;
        } else if (name == "#32770") {
            if (GetWindow(window, GW_CHILD) != nullptr) {
                kind = Kind::options;
            } else if (IsWindowVisible(window)) {
                // Against every monitor seen so far: the toy may have placed it by a layout just gone.
                noteMonitors(monitorRects());
                const RECT r = rectOf(window);
                for (const RECT& m : monitorsSeen_) {
                    const POINT mine = middleOf(r), its = middleOf(m);
                    if (r.left == m.left && r.top == m.top)
                        kind = Kind::card;
                    else if (std::abs(mine.x - its.x) <= 1 && std::abs(mine.y - its.y) <= 1)
                        kind = Kind::instructions;
                }
                if (kind == Kind::other)
                    log_->outcome("a dialog at " + text(r) +
                                  " is neither a card nor an instructions picture");
            } else {
                return Kind::other; // told apart once it shows
            }
        }
        kinds_[window] = kind;
        return kind;
    }

    void noteMonitors(const std::vector<RECT>& monitors) {
        for (const RECT& m : monitors)
            if (std::none_of(monitorsSeen_.begin(), monitorsSeen_.end(),
                             [&](const RECT& r) { return sameRect(r, m); }))
                monitorsSeen_.push_back(m);
    }

    void askForAnswer() {
        if (exited()) {
            std::lock_guard<std::mutex> lock(mutex_);
            report(1, "the toy is not running any more");
            return;
        }
        DWORD_PTR result = 0;
        const DWORD asked = now();
        const bool answered =
            SendMessageTimeoutA(controller_, WM_NULL, 0, 0, SMTO_NORMAL, answerMs, &result) != 0;
        std::lock_guard<std::mutex> lock(mutex_);
        if (answered) {
            settle(1, "answer");
        } else {
            trouble(1, "answer", "its window \"Fleeba\" did not answer within a second", asked, 0);
        }
    }

    void look() {
        const std::vector<RECT> monitors = monitorRects();
        const std::vector<TopWindow> windows = topWindowsOf(processId_);
        const std::vector<bool> covered = coveredMonitors(monitors);
        const DWORD t = now();
        std::lock_guard<std::mutex> lock(mutex_);
        noteMonitors(monitors);
        std::set<std::string> wrong;
        int instructions = 0;
        for (const TopWindow& w : windows) {
            if (!w.visible || areaOf(w.rect) == 0)
                continue;
            const Kind kind = kindLocked(w.handle);
            const std::string key = std::to_string(reinterpret_cast<uintptr_t>(w.handle));
            // 2: at least half on one monitor.
            long long most = 0;
            for (const RECT& m : monitors)
                most = std::max(most, overlapOf(w.rect, m));
            if (2 * most < areaOf(w.rect)) {
                wrong.insert("2:" + key);
                trouble(2, key,
                        describe(w, kind) + " lies at most " + std::to_string(100 * most / areaOf(w.rect)) +
                            " % on any monitor",
                        t, allowanceMs);
            }
            if (kind == Kind::instructions)
                ++instructions;
            // 4: out of the top-most band on a covered monitor, in it elsewhere.
            if (kind == Kind::sprite || kind == Kind::card) {
                long long best = 0, next = 0;
                int on = -1;
                for (size_t i = 0; i < monitors.size(); ++i) {
                    const long long shared = overlapOf(w.rect, monitors[i]);
                    if (shared > best) {
                        next = best;
                        best = shared;
                        on = static_cast<int>(i);
                    } else if (shared > next) {
                        next = shared;
                    }
                }
                // A window about as much on two monitors may belong to either.
                const bool clear = on >= 0 && (best - next) * 10 > areaOf(w.rect);
                if (clear && w.topmost == covered[on]) {
                    wrong.insert("4:" + key);
                    trouble(4, key,
                            describe(w, kind) +
                                (w.topmost ? " is top-most on a monitor a full-screen window covers"
                                           : " is not top-most on a monitor no full-screen window covers"),
                            t, allowanceMs);
                }
            }
        }
        // 3: one instructions picture at most.
        if (instructions > 1) {
            wrong.insert("3:");
            trouble(3, "", std::to_string(instructions) + " instructions pictures are shown", t,
                    pictureSwapMs);
        }
        // 6: no more windows than the toy's activities make.
        const int count = static_cast<int>(windows.size());
        if (windowBound_ > 0) {
            mostWindows_ = std::max(mostWindows_, count);
            if (count > windowBound_) {
                wrong.insert("6:");
                std::map<std::string, int> classes;
                for (const TopWindow& w : windows)
                    ++classes[w.className];
                std::string byClass;
                for (const auto& [name, n] : classes)
                    byClass += " " + name + " " + std::to_string(n);
                trouble(6, "",
                        "the toy has " + std::to_string(count) + " top-level windows, more than the " +
                            std::to_string(windowBound_) + " its activities make (by class:" + byClass + ")",
                        t, allowanceMs);
            }
        }
        for (auto it = troubles_.begin(); it != troubles_.end();) {
            if (it->first.rfind("1:", 0) != 0 && wrong.count(it->first) == 0)
                it = settleLocked(it);
            else
                ++it;
        }
    }

    // A promise broken now: a breach once it has been broken for longer than allowed.
    void trouble(int promise, const std::string& key, const std::string& what, DWORD since, DWORD allowed) {
        const std::string id = std::to_string(promise) + ":" + key;
        auto it = troubles_.find(id);
        if (it == troubles_.end())
            it = troubles_.emplace(id, Trouble{since, what}).first;
        it->second.what = what;
        const DWORD lasted = now() - it->second.since;
        if (lasted > allowed)
            report(promise, what + ", for " + std::to_string(lasted) + " ms");
    }

    void settle(int promise, const std::string& key) {
        auto it = troubles_.find(std::to_string(promise) + ":" + key);
        if (it != troubles_.end())
            settleLocked(it);
    }

    std::map<std::string, Trouble>::iterator settleLocked(std::map<std::string, Trouble>::iterator it) {
        return troubles_.erase(it);
    }

    void report(int promise, const std::string& detail) {
        if (!breach_)
            breach_ = Breach{promise, detail};
    }

    const DWORD processId_;
    const HWND controller_;
    EventLog* const log_;
    const HANDLE process_;
    mutable std::mutex mutex_;
    std::map<HWND, Kind> kinds_;
    std::vector<RECT> monitorsSeen_;
    std::map<std::string, Trouble> troubles_;
    std::optional<Breach> breach_;
    int windowBound_ = 0;
    int mostWindows_ = 0;
    std::vector<MemorySample> memory_;
    bool stallReported_ = false;
    std::atomic<bool> stop_{false};
    std::thread thread_; // last: starts once the rest is made
};

// ----------------------------------------------------------------------------------------------------------
// Dice: every step of the chaos draws the same number of values from the seeded generator, whatever it
// then does, so that one step that goes otherwise (a fish caught or not) leaves the later steps' draws alone.

class Dice {
public:
    explicit Dice(std::mt19937& generator) {
        for (auto& value : values_)
            value = generator();
    }
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(values_[next_++ % values_.size()] % n); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::array<std::uint32_t, 24> values_;
    size_t next_ = 0;
};

// ----------------------------------------------------------------------------------------------------------
// The second monitor's arrangements, all at least as large as every game's field

struct Mode {
    const char* name; // xrandr's
    int width;
    int height;
};
constexpr Mode secondModes[] = {
    {"1024x768_60", 1024, 768}, {"1152x864", 1152, 864}, {"1280x1024", 1280, 1024}};

enum class Side { right, left };

struct Layout {
    bool secondOn = true;
    Side side = Side::right;
    int mode = 0; // into secondModes
};

std::string xrandrArguments(const Layout& layout) {
    const Mode& m = secondModes[layout.mode];
    const std::string primary = "--output DUMMY0 --mode 1024x768_60 --primary --pos ";
    if (!layout.secondOn)
        return primary + "0x0 --output DUMMY1 --off";
    if (layout.side == Side::right)
        return primary + "0x0 --output DUMMY1 --mode " + m.name + " --pos 1024x0";
    return "--output DUMMY1 --mode " + std::string(m.name) + " --pos 0x0 " + primary +
           std::to_string(m.width) + "x0";
}

std::vector<RECT> expectedMonitors(const Layout& layout) {
    std::vector<RECT> monitors = {RECT{0, 0, 1024, 768}};
    if (layout.secondOn) {
        const Mode& m = secondModes[layout.mode];
        monitors.push_back(layout.side == Side::right ? RECT{1024, 0, 1024 + m.width, m.height}
                                                      : RECT{-m.width, 0, 0, m.height});
    }
    return monitors;
}

bool listsExactly(const std::vector<RECT>& expected) {
    const std::vector<RECT> listed = monitorRects();
    if (listed.size() != expected.size())
        return false;
    for (const RECT& e : expected)
        if (std::none_of(listed.begin(), listed.end(), [&](const RECT& r) { return sameRect(r, e); }))
            return false;
    return true;
}

std::string describe(const Layout& layout) {
    if (!layout.secondOn)
        return "monitor 2 off";
    const Mode& m = secondModes[layout.mode];
    return "monitor 2 " + std::to_string(m.width) + "x" + std::to_string(m.height) + " " +
           (layout.side == Side::right ? "right" : "left") + " of the primary";
}

// ----------------------------------------------------------------------------------------------------------
// The mouse, as a hand uses it: two presses at one place within the double-click time make a double click,
// which the toy's windows take for no press at all; a press that follows another there waits that time out.

class Hand {
public:
    static void press(POINT at, DWORD button = MOUSEEVENTF_LEFTDOWN) {
        RealInput::moveTo(at.x, at.y);
        const DWORD apart = GetDoubleClickTime() + 100;
        if (now() - lastPress_ < apart && std::abs(at.x - lastAt_.x) <= 8 && std::abs(at.y - lastAt_.y) <= 8)
            pumpMessages(apart - (now() - lastPress_));
        RealInput::press(button);
        lastPress_ = now();
        lastAt_ = at;
    }
    static void click(POINT at) {
        press(at);
        RealInput::release();
    }
    static void click(LONG x, LONG y) { click(POINT{x, y}); }
    static void rightClick(POINT at) {
        press(at, MOUSEEVENTF_RIGHTDOWN);
        RealInput::release(MOUSEEVENTF_RIGHTUP);
    }

private:
    static inline DWORD lastPress_ = 0;
    static inline POINT lastAt_ = {};
};

// ----------------------------------------------------------------------------------------------------------
// The chaos: the toy, the user's windows, the events and the checks that follow them

enum class Game { none, fishing, golf, caber };
const char* const gameNames[] = {"No Game", "Fishing", "Golf", "Caber"};

enum class Place {
    middle,
    topEdge,
    bottomEdge,
    leftEdge,
    rightEdge,
    topLeftCorner,
    bottomRightCorner,
    acrossMonitors
};
const char* const placeNames[] = {
    "the middle",     "the top edge",        "the bottom edge",         "the left edge",
    "the right edge", "the top-left corner", "the bottom-right corner", "across both monitors"};

// Options' Size list, in order.
const char* const sizeNames[] = {"Automatic", "100 %", "125 %", "150 %", "200 %", "300 %"};

class Chaos {
public:
    Chaos(unsigned seed, DWORD seconds) : seed_(seed), seconds_(seconds), generator_(seed), log_(now()) {
        log_.setVerbose(numberFromEnvironment("FLEEBA_CHAOS_VERBOSE", 0) != 0);
    }
    // A fixed case: scripted events, no chaos.
    Chaos() : Chaos(0, 0) { fixedCase_ = true; }

    ~Chaos() { finish(); }

    // Starts the toy on the two monitors side by side, with a window of the user's on each.
    void start() {
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "this display has no second monitor";
        if (!listsExactly(expectedMonitors(Layout{})))
            arrange(Layout{});
        ASSERT_TRUE(listsExactly(expectedMonitors(layout_))) << "the display does not start side by side";
        // Each run starts the toy with its default settings, whatever an earlier one chose in Options.
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Fleeba");
        log_.outcome("starting the toy");
        ASSERT_NO_FATAL_FAILURE(toy_.start());
        log_.outcome("the character stands");
        controller_ = FindWindowA("TambaGuiCustomWindow", "Fleeba");
        ASSERT_NE(controller_, nullptr);
        watch_ = std::make_unique<Watch>(toy_.process->processId(), controller_, log_);
        user_[1] = std::make_unique<UserWindow>(WS_OVERLAPPEDWINDOW, 1024 + 150, 150, 560, 380);
        user_[0] = std::make_unique<UserWindow>(WS_OVERLAPPEDWINDOW, 150, 150, 560, 380);
        pump(200);
        log_.outcome("the user's windows are open");
    }

    bool broken() const { return failed_; }

    // ---- Toy input

    void clickCharacter() {
        log_.event("click the character");
        HWND character = spriteWindow("FleebaWindow");
        if (character == nullptr)
            return log_.outcome("no character shown");
        clickNonKeyWindow(character, "the character");
    }

    // The character, or the golfer, dragged as a hand drags it.
    void dragCharacter(int monitor, Place place, const char* title = "FleebaWindow") {
        const std::string who = std::strcmp(title, "FleebaWindow") == 0 ? "the character" : "the golfer";
        log_.event("drag " + who + " to " + placeNames[static_cast<int>(place)] + " of monitor " +
                   std::to_string(monitor + 1));
        HWND sprite = spriteWindow(title);
        if (sprite == nullptr)
            return log_.outcome(who + " is not shown");
        const std::optional<RECT> target = monitorAt(monitor);
        if (!target)
            return log_.outcome("monitor " + std::to_string(monitor + 1) + " is off");
        POINT grab;
        if (!visiblePoint(sprite, grab))
            return log_.outcome(who + " is covered");
        const RECT from = rectOf(sprite);
        const RECT to = placeFor(from, *target, place);
        const bool userHad = userHasKeyboard() && sprite != GetForegroundWindow();
        drag(grab, to.left - from.left, to.top - from.top);
        pump(300);
        log_.outcome(who + " stands at " + text(rectOf(sprite)));
        // The golfer plays with keys: a drag may give them to it.
        if (userHad && std::strcmp(title, "FleebaWindow") == 0) {
            ++keyboardJudged_;
            checkKeyboardStaysWithUser("a drag of the character");
        }
    }

    void rightClickAndEscape() {
        HWND window = anyMenuWindow();
        log_.event("right-click " + nameFor(window) + ", then Escape");
        if (window == nullptr)
            return log_.outcome("no window with a menu shown");
        if (!openMenu(window))
            return;
        const bool userHad = lenderIsUser_;
        RealInput::key(VK_ESCAPE);
        if (!pumpUntil([] { return visibleMenu() == nullptr; }, 3000))
            return log_.outcome("the menu stayed open");
        if (userHad)
            checkKeyboardComesBack("the menu closed with Escape");
    }

    // Games > entry from the menu of a shown window; then the instructions' play box, close box, or
    // nothing for now.
    enum class Then { play, close, leaveOpen };
    void chooseGame(Game game, Then then) {
        HWND window = anyMenuWindow();
        static const char* const thens[] = {"press its play box", "click its close box", "leave it open"};
        log_.event("choose " + std::string(gameNames[static_cast<int>(game)]) + " from the menu of " +
                   nameFor(window) +
                   (game == Game::none ? "" : std::string(", ") + thens[static_cast<int>(then)]));
        if (window == nullptr)
            return log_.outcome("no window with a menu shown");
        if (!openMenu(window))
            return;
        const bool userHad = lenderIsUser_;
        RealInput::key('G');
        for (int i = 0; i < static_cast<int>(game); ++i)
            RealInput::key(VK_DOWN);
        RealInput::key(VK_RETURN);
        if (game == Game::none) {
            if (!pumpUntil([] { return spriteWindow("FleebaWindow") != nullptr; }, 5000))
                return log_.outcome("the character did not come back");
            if (userHad)
                checkKeyboardComesBack("No Game");
            return;
        }
        if (!pumpUntil([&] { return !watch_->shown(Kind::instructions).empty(); }, 5000))
            return log_.outcome("no instructions picture came up");
        if (then != Then::leaveOpen)
            answerInstructions(then == Then::play);
    }

    void answerInstructions(bool play) {
        const std::vector<HWND> shown = watch_->shown(Kind::instructions);
        log_.event(std::string(play ? "press the play box" : "click the close box") + " of the instructions");
        if (shown.empty())
            return log_.outcome("no instructions picture shown");
        HWND picture = shown.front();
        const RECT r = rectOf(picture);
        const double scale = (r.bottom - r.top) / 316.0;
        const POINT box =
            play ? POINT{r.left + static_cast<LONG>(316 * scale), r.top + static_cast<LONG>(280 * scale)}
                 : POINT{r.left + static_cast<LONG>(346.5 * scale), r.top + static_cast<LONG>(16.5 * scale)};
        if (WindowFromPoint(box) != picture)
            return log_.outcome("its box is covered");
        Hand::click(box.x, box.y);
        if (!pumpUntil([&] { return !IsWindow(picture) || !IsWindowVisible(picture); }, 5000))
            return log_.outcome("the picture stayed");
        const Game game = shownGame(5000);
        log_.outcome(std::string(gameNames[static_cast<int>(game)]) + " plays");
        // The diver and the thrower take the keyboard as their game starts: that is awaited, so that it
        // never happens behind a later event's back.
        const char* keyWindow = game == Game::fishing ? "FishingFleebaWindow"
                                : game == Game::caber ? "CaberFleebaWindow"
                                                      : nullptr;
        if (keyWindow != nullptr &&
            !pumpUntil([&] { return GetForegroundWindow() == spriteWindow(keyWindow); }, 3000))
            log_.outcome(std::string(keyWindow) + " did not take the keyboard");
    }

    void playFishing(Dice& dice) {
        log_.event("fishing: keys to the diver");
        HWND diver = spriteWindow("FishingFleebaWindow");
        if (diver == nullptr)
            return log_.outcome("no diver shown");
        if (!giveKeyboardTo(diver, spriteWindow("IslandWindow"), "the island"))
            return;
        const int strokes = 3 + dice.below(6);
        std::string keys;
        for (int i = 0; i < strokes && GetForegroundWindow() == diver; ++i) {
            static const WORD choices[] = {VK_DOWN, VK_LEFT, VK_RIGHT};
            const WORD key = choices[dice.below(3)];
            RealInput::keyDown(key);
            pump(80 + dice.below(300));
            RealInput::keyUp(key);
            keys += key == VK_DOWN ? "Down " : key == VK_LEFT ? "Left " : "Right ";
        }
        log_.outcome("keys: " + keys);
    }

    void playGolf(Dice& dice) {
        log_.event("golf: click the golfer, then keys");
        HWND golfer = spriteWindow("GolfFleebaWindow");
        if (golfer == nullptr)
            return log_.outcome("no golfer shown");
        if (!giveKeyboardTo(golfer, golfer, "the golfer"))
            return;
        const int strokes = 2 + dice.below(5);
        std::string keys;
        for (int i = 0; i < strokes && GetForegroundWindow() == golfer; ++i) {
            static const WORD choices[] = {VK_LEFT, VK_RIGHT, VK_UP};
            const WORD key = choices[dice.below(3)];
            if (key == VK_UP)
                RealInput::keyBurst(VK_UP, 1 + dice.below(12)); // a swing, if the club touches the ball
            else
                RealInput::key(key);
            pump(150);
            keys += key == VK_UP ? "Up(held) " : key == VK_LEFT ? "Left " : "Right ";
        }
        log_.outcome("keys: " + keys);
    }

    // A throw: Left held with its auto-repeats sent at once (presses of them), or held for a while and let
    // go.
    void throwCaber(int presses, DWORD holdMs) {
        if (holdMs == 0)
            log_.event("caber: Left held for " + std::to_string(presses) + " presses, let go");
        else
            log_.event("caber: Left held " + std::to_string(holdMs) + " ms, let go");
        HWND thrower = spriteWindow("CaberFleebaWindow");
        HWND caber = FindWindowA("TambaGuiCustomWindow", "CaberWindow");
        HWND target = spriteWindow("CaberTargetWindow");
        if (thrower == nullptr || caber == nullptr || target == nullptr)
            return log_.outcome("no thrower shown");
        if (IsWindowVisible(caber))
            return log_.outcome("a caber is in the air");
        if (!giveKeyboardTo(thrower, thrower, "the thrower"))
            return;
        const RECT from = rectOf(thrower);
        const double scale = (rectOf(target).right - rectOf(target).left) / 287.0;
        if (holdMs == 0) {
            RealInput::keyBurst(VK_LEFT, presses + 1);
        } else {
            RealInput::keyDown(VK_LEFT);
            pump(holdMs);
            RealInput::keyUp(VK_LEFT);
        }
        if (!pumpUntil([&] { return IsWindowVisible(caber) != FALSE; }, 3000))
            return log_.outcome("no caber flew");
        // 7: a long run-up throws the caber far (at 30 presses or more, some 330 pixels at 100 % before it
        // comes down); one that comes down where it was let go never flew.
        const LONG launchedAt = from.left - static_cast<LONG>(78 * scale);
        LONG furthest = launchedAt;
        pumpUntil(
            [&] {
                if (IsWindowVisible(caber))
                    furthest = std::min(furthest, rectOf(caber).left);
                return !IsWindowVisible(caber);
            },
            15000);
        const LONG distance = launchedAt - furthest;
        log_.outcome("the caber flew " + std::to_string(distance) + " pixels to the left");
        if (holdMs == 0 && presses >= 30)
            ++throwsJudged_;
        if (holdMs == 0 && presses >= 30 && distance < static_cast<LONG>(250 * scale))
            fail(7, "a caber thrown with " + std::to_string(presses) + " presses from " + text(from) +
                        " came down " + std::to_string(distance) +
                        " pixels from where it was let go (a throw "
                        "of that power flies some 330 pixels at 100 %)");
    }

    // A click or a right-click on a window that neither plays with keys nor has a menu: a fish, the golf
    // ball, the caber's target or line.
    void clickWindowWithoutKeys(int pick, bool right) {
        log_.event(std::string(right ? "right-click" : "click") + " a window without keys or menu");
        std::vector<HWND> windows;
        for (const TopWindow& w : topWindowsOf(toy_.process->processId()))
            if (w.visible && (w.title.rfind("FishWindow", 0) == 0 || w.title == "GolfBallWindow" ||
                              w.title == "CaberTargetWindow" || w.title == "CaberLineWindow"))
                windows.push_back(w.handle);
        if (windows.empty())
            return log_.outcome("none shown");
        HWND window = windows[pick % windows.size()];
        clickNonKeyWindow(window, nameFor(window), right);
        if (right && pumpUntil([] { return visibleMenu() != nullptr; }, 300)) {
            log_.outcome("a menu came up");
            RealInput::key(VK_ESCAPE);
        }
    }

    // The card's close box, or anywhere else on it (which opens its link: the test's browser only records
    // it).
    void clickCard(bool closeBox) {
        log_.event(std::string("click the score card's ") + (closeBox ? "close box" : "picture"));
        const std::vector<HWND> cards = watch_->shown(Kind::card);
        if (cards.empty())
            return log_.outcome("no card shown");
        if (!closeBox && !links_->usable())
            return log_.outcome("no link recorder: " + links_->whyNot());
        HWND card = cards.front();
        const RECT r = rectOf(card);
        const double scale = (r.right - r.left) / 362.0;
        const POINT at =
            closeBox
                ? POINT{r.left + static_cast<LONG>(346.5 * scale), r.top + static_cast<LONG>(16.5 * scale)}
                : POINT{r.left + static_cast<LONG>(180 * scale), r.top + static_cast<LONG>(280 * scale)};
        clickNonKeyWindowAt(card, at, "the score card");
    }

    // Options from the menu, a size from its list, then OK or Cancel.
    void chooseSize(int choice, bool ok, bool byMouse = false) {
        HWND window = anyMenuWindow();
        log_.event("Options from the menu of " + nameFor(window) + ": Size " + sizeNames[choice] +
                   (byMouse ? " clicked" : " by the keys") + ", " + (ok ? "OK" : "Cancel"));
        if (window == nullptr)
            return log_.outcome("no window with a menu shown");
        if (!openMenu(window))
            return;
        const bool userHad = lenderIsUser_;
        RealInput::key('O');
        HWND dialog = nullptr;
        bool sawUnplaced = false;
        // The dialog is read only once it shows with its controls in their places.
        const bool ready = pumpUntil(
            [&] {
                const std::vector<HWND> shown = watch_->shown(Kind::options);
                dialog = shown.empty() ? nullptr : shown.front();
                if (dialog == nullptr)
                    return false;
                if (optionsControlsPlaced(dialog))
                    return true;
                sawUnplaced = true;
                return false;
            },
            5000);
        if (sawUnplaced) {
            ++optionsSeenUnplaced_;
            log_.outcome("Options showed before its controls were in their places");
        }
        if (!ready)
            return log_.outcome(dialog == nullptr ? "no Options"
                                                  : "Options' controls never came to their places");
        HWND sizes = GetDlgItem(dialog, IDC_SIZE_CHOICE);
        const RECT field = rectOf(sizes);
        Hand::click(middleOf(field).x, middleOf(field).y);
        HWND list = nullptr;
        if (!pumpUntil([&] { return (list = firstShown(Kind::dropList)) != nullptr; }, 3000))
            return log_.outcome("the size list did not drop down");
        // The entry clicked, or reached with the keys.
        DWORD_PTR itemHeight = 0;
        RECT items = {};
        GetClientRect(list, &items);
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&items), 2);
        if (byMouse && SendMessageTimeoutA(list, LB_GETITEMHEIGHT, 0, 0, SMTO_NORMAL, 2000, &itemHeight) &&
            itemHeight > 0 && items.top + static_cast<LONG>(itemHeight) * (choice + 1) <= items.bottom) {
            Hand::click((items.left + items.right) / 2, items.top + static_cast<LONG>(itemHeight) * choice +
                                                            static_cast<LONG>(itemHeight) / 2);
        } else {
            RealInput::key(VK_HOME);
            for (int i = 0; i < choice; ++i)
                RealInput::key(VK_DOWN);
            RealInput::key(VK_RETURN);
        }
        pumpUntil([&] { return !IsWindowVisible(list); }, 2000);
        DWORD_PTR chosen = CB_ERR;
        SendMessageTimeoutA(sizes, CB_GETCURSEL, 0, 0, SMTO_NORMAL, 2000, &chosen);
        if (static_cast<int>(chosen) != choice)
            log_.outcome("the list shows choice " + std::to_string(static_cast<int>(chosen)));
        const RECT button = rectOf(GetDlgItem(dialog, ok ? IDOK : IDCANCEL));
        Hand::click(middleOf(button).x, middleOf(button).y);
        if (!pumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000))
            return log_.outcome("Options stayed open");
        if (ok)
            size_ = static_cast<int>(chosen);
        // A new size starts a running game again, with its instructions.
        pump(300);
        if (!watch_->shown(Kind::instructions).empty())
            return log_.outcome("the game starts again at the new size");
        if (userHad)
            checkKeyboardComesBack("Options closed");
    }

    // ---- The desktop

    void fullScreenAppears(int monitor) {
        log_.event("a full-screen window appears on monitor " + std::to_string(monitor + 1));
        const std::optional<RECT> m = monitorAt(monitor);
        if (!m)
            return log_.outcome("monitor " + std::to_string(monitor + 1) + " is off");
        if (fullScreen_[monitor])
            return log_.outcome("there is one already");
        fullScreen_[monitor] =
            std::make_unique<UserWindow>(WS_POPUP, m->left, m->top, m->right - m->left, m->bottom - m->top);
        fullScreenRect_[monitor] = *m;
    }

    void fullScreenGoes(int monitor) {
        log_.event("the full-screen window on monitor " + std::to_string(monitor + 1) + " goes");
        if (!fullScreen_[monitor])
            return log_.outcome("there is none");
        fullScreen_[monitor].reset();
        pump(100);
    }

    // The user clicks the window of theirs that shows on that monitor: the full-screen one if there is one,
    // else their ordinary window, brought onto that monitor first if it is not there.
    void userClicksWindow(int monitor, int pick = 0) {
        log_.event("the user clicks their window on monitor " + std::to_string(monitor + 1));
        const std::optional<RECT> m = monitorAt(monitor);
        if (!m)
            return log_.outcome("monitor " + std::to_string(monitor + 1) + " is off");
        HWND window = nullptr;
        if (fullScreen_[monitor]) {
            window = fullScreen_[monitor]->handle;
        } else {
            window = user_[monitor]->handle;
            const RECT r = rectOf(window);
            if (!inside(r, *m)) {
                SetWindowPos(window, HWND_BOTTOM, m->left + 150, m->top + 150, 0, 0,
                             SWP_NOSIZE | SWP_NOACTIVATE);
                log_.outcome("their window moved onto monitor " + std::to_string(monitor + 1) + " first");
                pump(100);
            }
        }
        RECT client;
        GetClientRect(window, &client);
        POINT corner = {0, 0};
        ClientToScreen(window, &corner);
        OffsetRect(&client, corner.x, corner.y);
        IntersectRect(&client, &client, &*m);
        std::vector<POINT> free;
        for (LONG y = client.top + 10; y < client.bottom - 10; y += 23)
            for (LONG x = client.left + 10; x < client.right - 10; x += 23)
                if (WindowFromPoint(POINT{x, y}) == window)
                    free.push_back(POINT{x, y});
        if (free.empty())
            return log_.outcome("the toy covers it all");
        const POINT at = free[pick % free.size()];
        Hand::click(at.x, at.y);
        if (!pumpUntil([&] { return GetForegroundWindow() == window; }, 2000))
            log_.outcome("it did not become the foreground window");
    }

    void arrangeMonitors(const Layout& layout) {
        log_.event("xrandr: " + describe(layout));
        arrange(layout);
    }

    void waitAMoment(DWORD ms) {
        log_.event("wait " + std::to_string(ms) + " ms");
        pump(ms);
    }

    // ---- The chaos

    // Calibration: the toy's top-level windows are counted once in each activity, the bound for promise 6.
    void countWindowsPerActivity() {
        std::map<std::string, int> counts;
        auto count = [&](const std::string& activity) {
            pump(300);
            counts[activity] = watch_->windowCount();
        };
        count("idle");
        const int idle = counts["idle"];
        HWND character = spriteWindow("FleebaWindow");
        POINT at;
        if (character != nullptr && visiblePoint(character, at)) {
            Hand::rightClick(at);
            if (pumpUntil([] { return visibleMenu() != nullptr; }, 3000))
                count("menu");
            RealInput::key(VK_ESCAPE);
            pumpUntil([] { return visibleMenu() == nullptr; }, 3000);
        }
        if (character != nullptr && visiblePoint(character, at)) {
            Hand::rightClick(at);
            if (pumpUntil([] { return visibleMenu() != nullptr; }, 3000)) {
                RealInput::key('O');
                if (pumpUntil([&] { return !watch_->shown(Kind::options).empty(); }, 5000)) {
                    HWND dialog = watch_->shown(Kind::options).front();
                    pumpUntil([&] { return optionsControlsPlaced(dialog); }, 3000);
                    const RECT field = rectOf(GetDlgItem(dialog, IDC_SIZE_CHOICE));
                    Hand::click(middleOf(field).x, middleOf(field).y);
                    pumpUntil([&] { return firstShown(Kind::dropList) != nullptr; }, 3000);
                    count("Options");
                    RealInput::key(VK_ESCAPE);
                    pump(200);
                    const RECT cancel = rectOf(GetDlgItem(dialog, IDCANCEL));
                    Hand::click(middleOf(cancel).x, middleOf(cancel).y);
                    pumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000);
                }
            }
        }
        for (Game game : {Game::fishing, Game::golf, Game::caber}) {
            chooseGame(game, Then::leaveOpen);
            count(std::string(gameNames[static_cast<int>(game)]) + " instructions");
            answerInstructions(true);
            pumpUntil([&] { return !watch_->shown(Kind::card).empty(); }, 3000);
            if (game == Game::fishing && links_->usable())
                clickCard(false);
            count(std::string(gameNames[static_cast<int>(game)]) + " played");
        }
        chooseGame(Game::none, Then::play);
        count("idle again");
        // Any two activities may overlap: a game's card with a restarted game's instructions, the menu or
        // Options over a game.
        int bound = idle;
        int gameExtra = 0;
        for (const auto& [activity, n] : counts)
            if (activity.find("Fishing") == 0 || activity.find("Golf") == 0 || activity.find("Caber") == 0)
                gameExtra = std::max(gameExtra, n - idle);
        bound += gameExtra + 1 + std::max(0, counts["menu"] - idle) + std::max(0, counts["Options"] - idle) +
                 std::max(0, counts["idle again"] - idle);
        std::string summary;
        for (const auto& [activity, n] : counts)
            summary += activity + " " + std::to_string(n) + ", ";
        std::printf("Top-level windows of the toy: %sbound %d\n", summary.c_str(), bound);
        // Wine 8's GetGuiResources is a stub: where it answers 0 there are no GDI or USER counts to bound.
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, toy_.process->processId());
        const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS),
                    user = GetGuiResources(process, GR_USEROBJECTS);
        CloseHandle(process);
        if (gdi == 0 && user == 0)
            std::printf(
                "GDI and USER object counts: the platform answers 0 (a stub under Wine); not judged\n");
        else
            std::printf("GDI objects %lu, USER objects %lu (not bounded)\n", gdi, user);
        log_.outcome("windows per activity: " + summary + "bound " + std::to_string(bound));
        watch_->boundWindows(bound);
        windowBound_ = bound;
    }

    // One step: an event drawn from what can be done now, then the checks.
    void step() {
        Dice dice(generator_);
        const Game game = shownGame(0);
        const bool instructions = !watch_->shown(Kind::instructions).empty();
        const bool anyMenu = anyMenuWindow() != nullptr;
        const bool card = !watch_->shown(Kind::card).empty();
        struct Choice {
            int weight;
            std::function<void()> run;
            bool desktop;
        };
        std::vector<Choice> choices;
        bool desktop = false;
        auto add = [&](bool can, int weight, std::function<void()> run) {
            if (can)
                choices.push_back({weight, std::move(run), desktop});
        };
        const int monitor = layout_.secondOn ? dice.below(2) : 0;
        const int otherMonitor = layout_.secondOn ? dice.below(2) : 0;
        const Place place = static_cast<Place>(dice.below(8));
        // The toy
        add(game == Game::none && !instructions, 3, [&] { clickCharacter(); });
        add(game == Game::none && !instructions, 6, [&] { dragCharacter(monitor, place); });
        add(anyMenu && !instructions, 2, [&] { rightClickAndEscape(); });
        add(anyMenu && !instructions, 5, [&] {
            const int roll = dice.below(10);
            chooseGame(static_cast<Game>(dice.below(4)), roll < 5   ? Then::play
                                                         : roll < 8 ? Then::close
                                                                    : Then::leaveOpen);
        });
        add(instructions, 6, [&] { answerInstructions(dice.chance(60)); });
        add(game == Game::fishing, 6, [&] { playFishing(dice); });
        add(game == Game::golf, 6, [&] { playGolf(dice); });
        add(game == Game::golf, 1, [&] { dragCharacter(monitor, place, "GolfFleebaWindow"); });
        add(game == Game::caber, 8, [&] {
            if (dice.chance(70))
                throwCaber(30 + dice.below(11), 0);
            else
                throwCaber(0, 150 + dice.below(1200));
        });
        add(card && !instructions, 2, [&] { clickCard(dice.chance(50)); });
        add(game != Game::none && !instructions, 4,
            [&] { clickWindowWithoutKeys(dice.below(1000), dice.chance(50)); });
        add(anyMenu && !instructions, 3,
            [&] { chooseSize(dice.below(6), dice.chance(65), dice.chance(50)); });
        // The desktop
        desktop = true;
        add(!fullScreen_[monitor], 3, [&] { fullScreenAppears(monitor); });
        add(fullScreen_[0] || fullScreen_[1], 3,
            [&] { fullScreenGoes(fullScreen_[monitor] ? monitor : 1 - monitor); });
        add(true, 4, [&] { userClicksWindow(otherMonitor, dice.below(1000)); });
        add(layout_.secondOn, 2, [&] { arrangeMonitors(Layout{false, layout_.side, layout_.mode}); });
        add(!layout_.secondOn, 3, [&] {
            arrangeMonitors(Layout{true, dice.chance(50) ? Side::left : Side::right, dice.below(3)});
        });
        add(layout_.secondOn, 2, [&] {
            arrangeMonitors(
                Layout{true, layout_.side == Side::left ? Side::right : Side::left, layout_.mode});
        });
        add(layout_.secondOn, 2, [&] {
            arrangeMonitors(Layout{true, layout_.side, (layout_.mode + 1 + dice.below(2)) % 3});
        });
        add(true, 1, [&] { waitAMoment(300 + dice.below(1500)); });
        int total = 0;
        for (const Choice& c : choices)
            total += c.weight;
        int roll = dice.below(total);
        for (const Choice& c : choices) {
            if (roll < c.weight) {
                c.desktop ? desktopEvent(c.run) : toyEvent(c.run);
                break;
            }
            roll -= c.weight;
        }
    }

    // Runs the chaos for the time asked; then puts the desktop back.
    void run() {
        const DWORD began = chaosBegan_ = now();
        DWORD nextReport = began + 60000;
        while (!failed_ && now() - began < seconds_ * 1000) {
            step();
            if (now() >= nextReport) {
                nextReport += 60000;
                std::printf("%.0f s: %d events, %d top-level windows, resident %.1f MB\n",
                            (now() - began) / 1000.0, log_.count(), watch_->windowCount(),
                            watch_->residentMemory() / 1048576.0);
                std::fflush(stdout);
            }
        }
        chaosMs_ = now() - began;
        if (!failed_)
            judgeMemory();
    }

    // Runs an event, then gives the toy its time: after a change of the desktop, the 1.5 s it has to set its
    // windows right; then, while the watch sees a promise broken, as long as it takes to mend it or to be
    // judged (nothing else happens meanwhile).
    void toyEvent(const std::function<void()>& event) { runEvent(event, false); }
    void desktopEvent(const std::function<void()>& event) { runEvent(event, true); }

    void runEvent(const std::function<void()>& event, bool desktopChanged) {
        if (failed_)
            return;
        const std::vector<HWND> picturesBefore = watch_->shown(Kind::instructions);
        event();
        // A stale menu (the toy restarted a game under it, say) is closed before anything else.
        if (visibleMenu() != nullptr && pumpUntil([] { return visibleMenu() == nullptr; }, 1000) == false) {
            log_.outcome("a menu was left open: Escape");
            RealInput::key(VK_ESCAPE);
        }
        // The toy looks at the monitors once a second, and may start a game again.
        pump(desktopChanged ? allowanceMs : 200);
        if (watch_->shown(Kind::instructions) != picturesBefore)
            log_.outcome("an instructions picture came up");
        pumpUntil([&] { return !watch_->troubled(); }, allowanceMs + 2000);
        check();
        noteNewGround();
    }

    // The first time the toy shows an activity at a size on a monitor of a size, it loads the pictures for it
    // and keeps them: its memory is judged from the last such first time on.
    void noteNewGround() {
        const Game game = shownGame(0);
        static const char* const homes[] = {"FleebaWindow", "FishingFleebaWindow", "GolfFleebaWindow",
                                            "CaberFleebaWindow"};
        HWND home = spriteWindow(homes[static_cast<int>(game)]);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        if (home == nullptr || !GetMonitorInfoA(MonitorFromWindow(home, MONITOR_DEFAULTTONEAREST), &monitor))
            return;
        const RECT& m = monitor.rcMonitor;
        const std::string ground = std::to_string(size_) + " " + gameNames[static_cast<int>(game)] + " " +
                                   std::to_string(m.right - m.left) + "x" + std::to_string(m.bottom - m.top);
        if (groundSeen_.insert(ground).second)
            newGroundAt_ = now();
    }

    // The watch's verdicts so far.
    void check() {
        if (failed_)
            return;
        if (const auto breach = watch_->breach())
            fail(breach->promise, breach->detail);
    }

    void fail(int promise, const std::string& detail) {
        if (failed_)
            return;
        failed_ = true;
        log_.outcome("PROMISE " + std::to_string(promise) + " BROKEN: " + detail);
        ADD_FAILURE() << "Promise " << promise << " broken: " << detail << "\n"
                      << (fixedCase_ ? "In this fixed case"
                                     : "Seed " + std::to_string(seed_) +
                                           " (FLEEBA_CHAOS_SEED=" + std::to_string(seed_) + ")")
                      << "; the last 20 events:\n"
                      << log_.last(20);
    }

    void summary() const {
        std::printf("Seed %u: %d events in %.1f s of chaos; the keyboard judged after %d clicks, drags and "
                    "menus, %d long throws judged; Options seen before "
                    "its controls were placed: %d time(s); most top-level windows %d (bound %d)\n",
                    seed_, log_.count(), chaosMs_ / 1000.0, keyboardJudged_, throwsJudged_,
                    optionsSeenUnplaced_, watch_->mostWindows(), windowBound_);
    }

    // Puts the monitors back side by side and the pointer on the primary monitor, closes the user's windows
    // and quits the toy. Wine 8's server crashes when the foreground program ends while the pointer it last
    // recorded lies off every monitor: it warps the pointer back with no client to warp it for.
    void finish() {
        if (finished_ || !toy_.process)
            return;
        finished_ = true;
        if (visibleMenu() != nullptr)
            RealInput::key(VK_ESCAPE);
        if (!listsExactly(expectedMonitors(Layout{})))
            arrange(Layout{});
        if (const std::optional<RECT> primary = monitorAt(0))
            RealInput::moveTo((primary->left + primary->right) / 2, (primary->top + primary->bottom) / 2);
        pump(allowanceMs);
        for (auto& f : fullScreen_)
            f.reset();
        for (auto& u : user_)
            u.reset();
        watch_.reset();
        toy_.quit();
    }

private:
    void pump(DWORD ms) { pumpMessages(ms); }

    void arrange(const Layout& layout) {
        const std::vector<RECT> expected = expectedMonitors(layout);
        if (!runXrandr(xrandrArguments(layout)))
            log_.outcome("xrandr did not run");
        if (!pumpUntil([&] { return listsExactly(expected); }, 5000)) {
            // A Unix program's answer does not reach us: what the platform lists is what counts.
            log_.outcome("the platform lists other monitors than asked");
        }
        const std::vector<RECT> listed = monitorRects();
        const std::optional<RECT> second = secondMonitor(listed);
        layout_.secondOn = second.has_value();
        if (second) {
            layout_.side = second->left < 0 ? Side::left : Side::right;
            for (int i = 0; i < 3; ++i)
                if (second->right - second->left == secondModes[i].width)
                    layout_.mode = i;
        }
        // A full-screen program leaves full screen when its monitor changes.
        if (fullScreen_[1] && (!second || !sameRect(*second, fullScreenRect_[1]))) {
            fullScreen_[1].reset();
            log_.outcome("the full-screen window on monitor 2 left full screen");
        }
    }

    std::optional<RECT> monitorAt(int index) const {
        const std::vector<RECT> monitors = monitorRects();
        return index == 0 ? primaryMonitor(monitors) : secondMonitor(monitors);
    }

    // Where a window goes on a monitor: wholly on it, against an edge or in a corner, or across into the
    // other monitor where they meet.
    RECT placeFor(const RECT& window, const RECT& m, Place place) const {
        const LONG w = window.right - window.left, h = window.bottom - window.top;
        LONG x = (m.left + m.right - w) / 2, y = (m.top + m.bottom - h) / 2;
        switch (place) {
        case Place::topEdge:
            y = m.top;
            break;
        case Place::bottomEdge:
            y = m.bottom - h;
            break;
        case Place::leftEdge:
            x = m.left;
            break;
        case Place::rightEdge:
            x = m.right - w;
            break;
        case Place::topLeftCorner:
            x = m.left;
            y = m.top;
            break;
        case Place::bottomRightCorner:
            x = m.right - w;
            y = m.bottom - h;
            break;
        case Place::acrossMonitors: {
            const std::optional<RECT> second = secondMonitor(monitorRects());
            if (second) {
                const LONG seam = second->left < 0 ? 0 : second->left;
                x = seam - w / 2;
                y = std::min<LONG>(y, std::min<LONG>(768, second->bottom) - h);
            }
            break;
        }
        default:
            break;
        }
        return RECT{x, y, x + w, y + h};
    }

    // Drags by (dx, dy) from a point, in steps, as a hand would. The toy takes the first move after the press
    // as the drag's starting point: a nudge of one pixel comes first, and is made up at the end.
    static void drag(POINT grab, LONG dx, LONG dy) {
        constexpr int steps = 12;
        Hand::press(grab);
        RealInput::moveTo(grab.x, grab.y + 1);
        for (int i = 1; i <= steps; ++i)
            RealInput::moveTo(grab.x + dx * i / steps, grab.y + 1 + dy * i / steps);
        RealInput::release();
    }

    // A point of the window's outline that shows (no other window over it).
    static bool visiblePoint(HWND window, POINT& at) {
        return pointInOutline(window, at) && WindowFromPoint(at) == window;
    }

    HWND firstShown(Kind kind) {
        const std::vector<HWND> shown = watch_->shown(kind);
        return shown.empty() ? nullptr : shown.front();
    }

    // The game whose windows show, waiting for them up to the time given.
    Game shownGame(DWORD waitMs) {
        Game game = Game::none;
        pumpUntil(
            [&] {
                if (spriteWindow("FishingFleebaWindow") || spriteWindow("IslandWindow"))
                    game = Game::fishing;
                else if (spriteWindow("GolfFleebaWindow") || spriteWindow("GolfBallWindow"))
                    game = Game::golf;
                else if (spriteWindow("CaberFleebaWindow") || spriteWindow("CaberTargetWindow"))
                    game = Game::caber;
                return game != Game::none;
            },
            waitMs);
        return game;
    }

    // A shown window whose right-click opens the menu, one that shows under the cursor.
    HWND anyMenuWindow() {
        for (const TopWindow& w : topWindowsOf(toy_.process->processId())) {
            POINT at;
            if (w.visible && w.className == "TambaGuiCustomWindow" && opensMenu(w.title) &&
                visiblePoint(w.handle, at))
                return w.handle;
        }
        return nullptr;
    }

    std::string nameFor(HWND window) const {
        if (window == nullptr)
            return "nothing";
        return "\"" + tamba::test::windowTitle(window) + "\"";
    }

    bool openMenu(HWND window) {
        POINT at;
        if (!visiblePoint(window, at)) {
            log_.outcome("it is covered");
            return false;
        }
        lenderIsUser_ = userHasKeyboard();
        Hand::rightClick(at);
        if (!pumpUntil([] { return visibleMenu() != nullptr; }, 3000)) {
            log_.outcome("no menu came up");
            return false;
        }
        return true;
    }

    // Gives the keyboard to a window that plays with keys by clicking the window that hands it over (itself,
    // or the island for the diver); false if it did not take it.
    bool giveKeyboardTo(HWND keys, HWND clicked, const char* what) {
        if (GetForegroundWindow() == keys)
            return true;
        POINT at;
        if (clicked == nullptr || !visiblePoint(clicked, at)) {
            log_.outcome(std::string(what) + " is covered");
            return false;
        }
        log_.outcome(std::string("click ") + what + " for the keyboard");
        Hand::click(at.x, at.y);
        if (!pumpUntil([&] { return GetForegroundWindow() == keys; }, 3000)) {
            log_.outcome("it did not take the keyboard");
            return false;
        }
        return true;
    }

    void clickNonKeyWindow(HWND window, const std::string& what, bool right = false) {
        POINT at;
        if (!visiblePoint(window, at))
            return log_.outcome(what + " is covered");
        clickNonKeyWindowAt(window, at, what, right);
    }

    // 5: a click (or a right-click) on a window that takes no keys leaves the keyboard with the user's
    // window.
    void clickNonKeyWindowAt(HWND window, POINT at, const std::string& what, bool right = false) {
        if (WindowFromPoint(at) != window)
            return log_.outcome(what + " is covered there");
        const bool userHad = userHasKeyboard();
        // A window still there must still be under the cursor after the press and after the release, or the
        // button may have gone down or come up over another; one the click closed (the card's close box, on
        // the press) is gone.
        auto stillUnder = [&] { return !IsWindow(window) || WindowFromPoint(at) == window; };
        Hand::press(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        const bool pressedOn = stillUnder();
        RealInput::release(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        if (!pressedOn || !stillUnder())
            return log_.outcome(what + " moved from under the click");
        if (userHad) {
            ++keyboardJudged_;
            checkKeyboardStaysWithUser(std::string(right ? "a right-click on " : "a click on ") + what);
        }
    }

    void checkKeyboardStaysWithUser(const std::string& after) {
        // Any of the user's windows: the click may have fallen through an outline onto one.
        const std::vector<HWND> picturesBefore = watch_->shown(Kind::instructions);
        HWND front = nullptr;
        const bool kept = !pumpUntil(
            [&] {
                front = GetForegroundWindow();
                return !userHasKeyboard();
            },
            700);
        if (kept)
            return;
        // A game that starts again shows its instructions, which take the keyboard; not the click's doing.
        if (watch_->shown(Kind::instructions) != picturesBefore)
            return log_.outcome("not judged: an instructions picture came up");
        fail(5, after + " took the keyboard from the user's window to \"" + tamba::test::windowTitle(front) +
                    "\" (" + classOf(front) + ")");
    }

    void checkKeyboardComesBack(const std::string& after) {
        ++keyboardJudged_;
        const std::vector<HWND> picturesBefore = watch_->shown(Kind::instructions);
        if (pumpUntil([] { return userHasKeyboard(); }, allowanceMs))
            return;
        if (watch_->shown(Kind::instructions) != picturesBefore)
            return log_.outcome("not judged: an instructions picture came up");
        HWND front = GetForegroundWindow();
        fail(5, after + ": the keyboard stayed with \"" + tamba::test::windowTitle(front) + "\" (" +
                    classOf(front) + ")");
    }

    // Whether Options' controls stand where the dialog places them at its scale (the OK and Cancel buttons
    // and the size list), rather than where its template put them.
    static bool optionsControlsPlaced(HWND dialog) {
        const RECT d = rectOf(dialog);
        const double scale = (d.right - d.left) / 362.0;
        struct Place {
            int id;
            LONG left, top;
        };
        for (const Place& p :
             {Place{IDOK, 256, 206}, Place{IDCANCEL, 256, 236}, Place{IDC_SIZE_CHOICE, 72, 168}}) {
            HWND control = GetDlgItem(dialog, p.id);
            if (control == nullptr || !IsWindowVisible(control))
                return false;
            const RECT c = rectOf(control);
            if (std::abs(c.left - d.left - p.left * scale) > 1.5 ||
                std::abs(c.top - d.top - p.top * scale) > 1.5)
                return false;
        }
        return true;
    }

    const unsigned seed_;
    const DWORD seconds_;
    std::mt19937 generator_;
    EventLog log_;
    RunningToy toy_;
    HWND controller_ = nullptr;
    std::unique_ptr<Watch> watch_;
    std::unique_ptr<UserWindow> user_[2];
    std::unique_ptr<UserWindow> fullScreen_[2];
    RECT fullScreenRect_[2] = {};
    std::unique_ptr<LinkRecorder> links_ = std::make_unique<LinkRecorder>();
    Layout layout_;
    int size_ = 0;
    bool lenderIsUser_ = false;
    bool fixedCase_ = false;
    bool failed_ = false;
    bool finished_ = false;
    int optionsSeenUnplaced_ = 0;
    int keyboardJudged_ = 0;
    std::set<std::string> groundSeen_;
    DWORD newGroundAt_ = 0;
    DWORD chaosBegan_ = 0;
    int throwsJudged_ = 0;
    int windowBound_ = 0;
    DWORD chaosMs_ = 0;

    // 6: resident memory after the first minute grows by less than 2 MB over the rest of the run. The toy
    // keeps the pictures of each activity at each size once it has shown them: the growth is measured from
    // the last time the run broke new ground (after the first minute), if two minutes or more follow it, as
    // the middle value of 20 s of samples at either end (the figure wavers by some hundred kilobytes).
    void judgeMemory() {
        const std::vector<Watch::MemorySample> samples = watch_->memory();
        if (samples.empty() || samples.back().bytes == 0) {
            std::printf("Resident memory: the platform reports none; not judged\n");
            return;
        }
        std::string perMinute;
        DWORD nextMinute = chaosBegan_;
        for (const auto& s : samples)
            if (static_cast<LONG>(s.at - nextMinute) >= 0) {
                perMinute += " " + std::to_string(s.bytes / 1024);
                nextMinute += 60000;
            }
        std::printf(
            "Resident memory each minute of chaos (kB):%s; new ground last broken %.0f s into the chaos\n",
            perMinute.c_str(), static_cast<LONG>(newGroundAt_ - chaosBegan_) / 1000.0);
        const DWORD from = std::max<DWORD>(chaosBegan_ + memoryWarmUpMs, newGroundAt_ + 10000);
        const DWORD end = samples.back().at;
        if (static_cast<LONG>(end - from) < 120000) {
            std::printf(
                "Resident memory: not judged (less than two minutes after the first minute and the last "
                "new ground)\n");
            return;
        }
        auto middleValue = [&](DWORD start) {
            std::vector<SIZE_T> values;
            for (const auto& s : samples)
                if (static_cast<LONG>(s.at - start) >= 0 && s.at - start <= 20000)
                    values.push_back(s.bytes);
            std::sort(values.begin(), values.end());
            return values.empty() ? 0 : values[values.size() / 2];
        };
        const SIZE_T before = middleValue(from), after = middleValue(end - 20000);
        std::printf("Resident memory: %zu kB %.0f s into the chaos, %zu kB at the end\n", before / 1024,
                    (from - chaosBegan_) / 1000.0, after / 1024);
        if (after > before + memoryGrowthLimit)
            fail(6, "the toy's resident memory grew from " + std::to_string(before / 1024) + " kB " +
                        std::to_string((from - chaosBegan_) / 1000) + " s into the chaos to " +
                        std::to_string(after / 1024) + " kB at the end (" +
                        std::to_string((end - from) / 1000) + " s later)");
    }
};

unsigned chaosSeed() {
    const unsigned long fromEnvironment = numberFromEnvironment("FLEEBA_CHAOS_SEED", 0);
    if (fromEnvironment != 0)
        return static_cast<unsigned>(fromEnvironment);
    return static_cast<unsigned>(std::time(nullptr)) ^ (GetTickCount() << 8);
}

} // namespace

TEST(DesktopChaos, RandomEventsKeepEveryPromise) {
    const unsigned seed = chaosSeed();
    const DWORD seconds = numberFromEnvironment("FLEEBA_CHAOS_SECONDS", 60);
    std::printf("Desktop chaos: seed %u (FLEEBA_CHAOS_SEED=%u), %lu s\n", seed, seed, seconds);
    std::fflush(stdout);
    Chaos chaos(seed, seconds);
    ASSERT_NO_FATAL_FAILURE(chaos.start());
    chaos.countWindowsPerActivity();
    chaos.check();
    if (!chaos.broken())
        chaos.run();
    chaos.summary();
    chaos.finish();
}

// The faults the chaos found while this test was built, each as the short sequence that showed it. They are
// kept after the toy is mended.

// Promise 4, seeds 2, 4, 5, 6, 100 and others: the toy looked at the foreground window only, so a full-screen
// window stopped covering its monitor as soon as another window took the foreground: the user's on the other
// monitor (here), a full-screen window there (seeds 2, 5, 100), the diver as fishing started (seed 4).
TEST(DesktopChaos, FoundFullScreenOnThePrimaryStaysCoveredWhenTheUserTurnsToMonitor2) {
    Chaos chaos;
    ASSERT_NO_FATAL_FAILURE(chaos.start());
    chaos.desktopEvent([&] { chaos.fullScreenAppears(0); });
    chaos.desktopEvent([&] { chaos.userClicksWindow(1); });
    chaos.check();
}

// On a monitor left of the primary (negative coordinates) a caber came down where it was let go.
TEST(DesktopChaos, FoundCaberFliesOnAMonitorLeftOfThePrimary) {
    Chaos chaos;
    ASSERT_NO_FATAL_FAILURE(chaos.start());
    chaos.desktopEvent([&] { chaos.arrangeMonitors(Layout{true, Side::left, 0}); });
    chaos.toyEvent([&] { chaos.dragCharacter(1, Place::middle); });
    chaos.toyEvent([&] { chaos.chooseGame(Game::caber, Chaos::Then::play); });
    chaos.toyEvent([&] { chaos.throwCaber(35, 0); });
    chaos.check();
}

// Promise 2, seed 3862564879 (the top-left corner of monitor 2, then 300 %): a larger size grows the
// character from its feet up; standing at the top edge, it went two thirds off the monitor.
TEST(DesktopChaos, FoundALargerSizeKeepsTheCharacterOnItsMonitor) {
    Chaos chaos;
    ASSERT_NO_FATAL_FAILURE(chaos.start());
    chaos.toyEvent([&] { chaos.dragCharacter(0, Place::topEdge); });
    chaos.toyEvent([&] { chaos.chooseSize(5, true); });
    chaos.check();
}

// Promise 5, seed 12 (on a toy with the other faults mended locally, 1745 s into the run): the score card
// stood down under a full-screen window on its monitor while the user turned to a window on the other
// monitor; once the full-screen window went, a click on the card's close box left the keyboard with nobody
// (the foreground went to the desktop). On the toy as it is, the full-screen fault (promise 4) shows first,
// at the second event.
TEST(DesktopChaos, FoundTheCardsCloseBoxLeavesTheKeyboardWithTheUser) {
    Chaos chaos;
    ASSERT_NO_FATAL_FAILURE(chaos.start());
    chaos.toyEvent([&] { chaos.chooseGame(Game::golf, Chaos::Then::close); });
    chaos.desktopEvent([&] { chaos.fullScreenAppears(0); });
    chaos.desktopEvent([&] { chaos.userClicksWindow(1); });
    chaos.desktopEvent([&] { chaos.fullScreenGoes(0); });
    chaos.toyEvent([&] { chaos.clickCard(true); });
    chaos.check();
}

// Promise 3, seeds 31, 43 and 12 (run on a toy with the full-screen fault mended locally, so as to get past
// it; monitor 2 moved left or went off while a game's instructions showed there): the game started again from
// inside its own instructions, leaving two pictures.
TEST(DesktopChaos, FoundOneInstructionsPictureWhenItsMonitorGoes) {
    Chaos chaos;
    ASSERT_NO_FATAL_FAILURE(chaos.start());
    chaos.toyEvent([&] { chaos.dragCharacter(1, Place::middle); });
    chaos.toyEvent([&] { chaos.chooseGame(Game::fishing, Chaos::Then::leaveOpen); });
    chaos.desktopEvent([&] { chaos.arrangeMonitors(Layout{false, Side::right, 0}); });
    chaos.check();
}
