// The toy in play with real sound (run by scripts/with-sound.sh, whose sound server records everything the
// program plays): each effect is heard within 200 ms of the moment a player sees, and with the Options box
// "Play music and sounds" cleared the same play is silent.
#include "support/CardReader.h"
#include "support/GameLauncher.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using tamba::test::CardReader;
using tamba::test::GameLauncher;
using tamba::test::pumpUntil;
using tamba::test::RealInput;
using tamba::test::rectOf;
using tamba::test::RunningToy;

namespace {

constexpr int rate = 22050;

// The Unix time in milliseconds: the clock the recording's start is measured on.
long long nowMs() {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<long long>((ticks - 116444736000000000ULL) / 10000);
}

// What the sound server recorded so far: 16-bit mono samples, sample 0 at startMs.
class Recording {
public:
    Recording() {
        const char* path = std::getenv("FLEEBA_SOUND_RECORDING");
        path_ = path != nullptr ? path : "";
        // The recorder writes as it records, a little behind: the earliest start that the samples written
        // so far allow, over a second of looks, is the start.
        startMs_ = LLONG_MAX;
        for (int i = 0; i < 20; ++i) {
            const long long start = nowMs() - static_cast<long long>(bytes()) * 1000 / (2 * rate);
            if (bytes() > 0 && start < startMs_)
                startMs_ = start;
            Sleep(50);
        }
    }

    bool found() const { return !path_.empty() && startMs_ != LLONG_MAX; }

    // The moments, in Unix milliseconds, at which a sound began between from and to: 10 ms pieces loud
    // enough to hear after at least 100 ms of quiet.
    std::vector<long long> onsets(long long from, long long to) const {
        const std::vector<short> s = samples();
        std::vector<long long> found;
        const int piece = rate / 100;
        int quietPieces = 10;
        for (size_t i = 0; i + piece <= s.size(); i += piece) {
            double energy = 0;
            for (int k = 0; k < piece; ++k)
                energy += static_cast<double>(s[i + k]) * s[i + k];
            const double rms = std::sqrt(energy / piece);
            const long long at = startMs_ + static_cast<long long>(i) * 1000 / rate;
            if (rms > 300 && quietPieces >= 10 && at >= from && at <= to)
                found.push_back(at);
            quietPieces = rms < 100 ? quietPieces + 1 : 0;
        }
        return found;
    }

    // The sound that began nearest a moment (within 3 s), or the moment itself if none did.
    long long nearestOnset(long long moment) const {
        long long nearest = moment;
        long long gap = LLONG_MAX;
        for (long long at : onsets(moment - 3000, moment + 3000))
            if (std::llabs(at - moment) < gap) {
                gap = std::llabs(at - moment);
                nearest = at;
            }
        return nearest;
    }

    // The loudest sample between from and to.
    int peak(long long from, long long to) const {
        const std::vector<short> s = samples();
        int loudest = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const long long at = startMs_ + static_cast<long long>(i) * 1000 / rate;
            if (at >= from && at <= to)
                loudest = std::max(loudest, std::abs(static_cast<int>(s[i])));
        }
        return loudest;
    }

private:
    unsigned long long bytes() const {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (path_.empty() || !GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data))
            return 0;
        return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

    std::vector<short> samples() const {
        std::vector<short> s;
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return s;
        s.resize(bytes() / 2);
        DWORD read = 0;
        ReadFile(file, s.data(), static_cast<DWORD>(s.size() * 2), &read, nullptr);
        s.resize(read / 2);
        CloseHandle(file);
        return s;
    }

    std::string path_;
    long long startMs_;
};

// Whether a sound began within 200 ms of a moment.
::testing::AssertionResult heardAt(const Recording& recording, long long moment, const char* what) {
    const std::vector<long long> onsets = recording.onsets(moment - 200, moment + 200);
    if (!onsets.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure()
                   << "no sound began within 200 ms of " << what << "; sounds began at";
    for (long long at : recording.onsets(moment - 3000, moment + 3000))
        failure << " " << (at - moment) << " ms";
    return failure << " from it";
}

} // namespace

TEST(SoundInPlay, EachMomentIsHeardAndTheOptionsBoxSilencesIt) {
    const Recording recording;
    ASSERT_TRUE(recording.found()) << "no recording: run under scripts/with-sound.sh";
    RunningToy toy;
    ASSERT_NO_FATAL_FAILURE(toy.start());

    // Fishing: Down at home, and the diver starts its dive (its picture changes).
    RECT instructions;
    ASSERT_TRUE(GameLauncher::play(toy.character, 1, instructions)) << "Games > Fishing Game";
    HWND diver = FindWindowA("TambaGuiCustomWindow", "FishingFleebaWindow");
    ASSERT_NE(diver, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(diver) != FALSE; }, 5000));
    RealInput::settle(1500);
    const RECT home = rectOf(diver);
    const std::vector<char> standing = tamba::test::outlineData(diver);
    RealInput::key(VK_DOWN);
    long long dive = 0;
    ASSERT_TRUE(pumpUntil(
        [&] {
            const RECT now = rectOf(diver);
            dive = nowMs();
            return EqualRect(&now, &home) == FALSE || tamba::test::outlineData(diver) != standing;
        },
        3000))
        << "the diver never dived";

    // Caber, chosen from the island's menu: Left held for a throw, the run-up begins; the card's line shows
    // where the caber came down.
    HWND island = FindWindowA("TambaGuiCustomWindow", "IslandWindow");
    ASSERT_TRUE(GameLauncher::play(island, 3, instructions)) << "Games > Caber Game";
    HWND thrower = FindWindowA("TambaGuiCustomWindow", "CaberFleebaWindow");
    HWND caber = FindWindowA("TambaGuiCustomWindow", "CaberWindow");
    ASSERT_NE(thrower, nullptr);
    ASSERT_NE(caber, nullptr);
    HWND card = nullptr;
    ASSERT_TRUE(
        pumpUntil([&] { return (card = CardReader::cardOf(toy.process->processId())) != nullptr; }, 5000));
    ASSERT_TRUE(
        pumpUntil([&] { return IsWindowVisible(thrower) && FindWindowA("#32770", nullptr) == card; }, 5000));
    const RECT start = rectOf(thrower);
    const RECT table = {26, 118, 330, 200};
    auto throwOnce = [&](int line, long long& pressed, long long& landed) {
        ASSERT_TRUE(pumpUntil(
            [&] {
                const RECT now = rectOf(thrower);
                return EqualRect(&now, &start) && !IsWindowVisible(caber);
            },
            15000));
        pressed = nowMs();
        RealInput::keyBurst(VK_LEFT, 12);
        ASSERT_TRUE(pumpUntil(
            [&] {
                landed = nowMs();
                return CardReader::textLines(card, table) == line;
            },
            15000))
            << "throw " << line << " never came down";
    };
    long long pressed = 0, landed = 0;
    ASSERT_NO_FATAL_FAILURE(throwOnce(1, pressed, landed));
    RealInput::settle(1500);
    EXPECT_TRUE(heardAt(recording, dive, "the dive"));
    EXPECT_TRUE(heardAt(recording, pressed, "the run-up"));
    EXPECT_TRUE(heardAt(recording, landed, "the caber's landing"));

    // Options: clear "Play music and sounds", OK; the next throw is silent.
    POINT on;
    ASSERT_TRUE(tamba::test::pointInOutline(thrower, on));
    RealInput::rightClick(on.x, on.y);
    ASSERT_TRUE(pumpUntil([] { return tamba::test::visibleMenu() != nullptr; }, 3000));
    RealInput::key('O');
    HWND options = nullptr;
    ASSERT_TRUE(pumpUntil(
        [&] {
            options = FindWindowA("#32770", nullptr);
            return options != nullptr && options != card && IsWindowVisible(options);
        },
        5000));
    const RECT box = rectOf(GetDlgItem(options, 1000));
    RealInput::click(box.left + 8, (box.top + box.bottom) / 2);
    ASSERT_TRUE(pumpUntil([&] { return IsDlgButtonChecked(options, 1000) == BST_UNCHECKED; }, 2000));
    const RECT ok = rectOf(GetDlgItem(options, IDOK));
    RealInput::click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(options) || !IsWindowVisible(options); }, 3000));

    long long quietFrom = 0, quietLanded = 0;
    ASSERT_NO_FATAL_FAILURE(throwOnce(2, quietFrom, quietLanded));
    RealInput::settle(1500);
    EXPECT_LT(recording.peak(quietFrom - 100, quietLanded + 1000), 100) << "a sound played with sounds off";
    if (!HasFailure())
        std::printf("Heard the dive at %+lld ms, the run-up at %+lld ms and the landing at %+lld ms from the "
                    "moment seen; silent with the box cleared\n",
                    recording.nearestOnset(dive) - dive, recording.nearestOnset(pressed) - pressed,
                    recording.nearestOnset(landed) - landed);
    toy.quit();
}
