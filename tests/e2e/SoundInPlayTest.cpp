// The toy in play with real sound (run by scripts/with-sound.sh, whose sound server records everything the
// program plays): each effect is heard within 200 ms of the moment a player sees, and with the Options box
// "Play music and sounds" cleared the same play is silent.
#include "gui/SoundEffects.h"
#include "res/resource.h"
#include "support/CardReader.h"
#include "support/GameLauncher.h"
#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
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

    // The moments, in Unix milliseconds, at which the sound began between from and to: where the recording
    // has the very shape of 40 ms of it (normalised correlation, blind to the volume). Shapes, not loudness:
    // a sound that cuts another short, or follows one still fading, is found too. The piece begins 10 ms
    // into the sound, since a sound that opens the device loses its first few milliseconds; the games'
    // sounds resemble each other (0.99 at most), never to 0.999.
    std::vector<long long> starts(const std::vector<short>& sound, long long from, long long to) const {
        std::vector<long long> found;
        size_t lead = 0;
        while (lead < sound.size() && std::abs(sound[lead]) <= 300)
            ++lead;
        lead += rate / 100;
        const size_t length = rate / 25;
        if (lead + length > sound.size())
            return found;
        const short* pattern = sound.data() + lead;
        double patternEnergy = 0;
        for (size_t k = 0; k < length; ++k)
            patternEnergy += static_cast<double>(pattern[k]) * pattern[k];
        const std::vector<short> s = samples();
        if (s.size() < length)
            return found;
        const long long first = std::max(0LL, (from - startMs_) * rate / 1000 + static_cast<long long>(lead));
        const long long last = std::min(static_cast<long long>(s.size() - length),
                                        (to - startMs_) * rate / 1000 + static_cast<long long>(lead));
        double best = 0;
        for (long long i = first; i <= last; ++i) {
            double product = 0, energy = 0;
            for (size_t k = 0; k < length; ++k) {
                product += static_cast<double>(pattern[k]) * s[i + k];
                energy += static_cast<double>(s[i + k]) * s[i + k];
            }
            const double match = energy > 0 ? product / std::sqrt(patternEnergy * energy) : 0;
            if (match < 0.999)
                continue;
            const long long at = startMs_ + (i - static_cast<long long>(lead)) * 1000 / rate;
            // Neighbouring offsets match one start: the best of them is it.
            if (!found.empty() && at - found.back() < 50) {
                if (match > best) {
                    found.back() = at;
                    best = match;
                }
                continue;
            }
            found.push_back(at);
            best = match;
        }
        return found;
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

// One of the toy's sounds as its program file holds it.
std::vector<short> soundOf(int number) {
    std::vector<short> sound;
    HMODULE program = LoadLibraryExA(tamba::test::programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr)
        return sound;
    DWORD bytes = 0;
    if (const char* samples = tamba::gui::SoundEffects::samplesOf(program, number, bytes)) {
        sound.resize(bytes / 2);
        std::memcpy(sound.data(), samples, sound.size() * 2);
    }
    FreeLibrary(program);
    return sound;
}

// How far from a moment the nearest start of one of the sounds lies, if one began within 3 s of it.
std::optional<long long> nearestStart(const Recording& recording, std::initializer_list<int> numbers,
                                      long long moment) {
    std::optional<long long> nearest;
    for (int number : numbers)
        for (long long at : recording.starts(soundOf(number), moment - 3000, moment + 3000))
            if (!nearest || std::llabs(at - moment) < std::llabs(*nearest))
                nearest = at - moment;
    return nearest;
}

// Whether the sound began within 200 ms of the moment.
::testing::AssertionResult heard(const std::optional<long long>& offset, const char* sound,
                                 const char* moment) {
    if (offset && std::llabs(*offset) <= 200)
        return ::testing::AssertionSuccess();
    if (!offset)
        return ::testing::AssertionFailure() << "no " << sound << " began within 3 s of " << moment;
    return ::testing::AssertionFailure()
           << "the " << sound << " began " << *offset << " ms from " << moment << ", not within 200 ms";
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
    const std::optional<long long> splash = nearestStart(recording, {IDW_SPLASH}, dive);
    const std::optional<long long> steps = nearestStart(recording, {IDW_STEPS}, pressed);
    const std::optional<long long> landing = nearestStart(recording, {IDW_THUD, IDW_CHEER}, landed);
    EXPECT_TRUE(heard(splash, "splash", "the dive"));
    EXPECT_TRUE(heard(steps, "run-up's steps", "the run-up"));
    EXPECT_TRUE(heard(landing, "thud or cheer", "the caber's landing"));

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
                    *splash, *steps, *landing);
    toy.quit();
}
