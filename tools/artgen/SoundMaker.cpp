#include "SoundMaker.h"

#include "resource.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double rate = SoundMaker::sampleRate;

// A fixed-seed generator, so that the noise is the same on every run and every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ & 0xFFFFFF) / static_cast<double>(0x800000) - 1.0;
    }

private:
    std::uint32_t state_;
};

// One pole low-pass: k near 0 keeps only the low rumble, near 1 lets everything through.
class LowPass {
public:
    explicit LowPass(double k) : k_(k) {}
    double operator()(double x) {
        y_ += k_ * (x - y_);
        return y_;
    }
    void setK(double k) { k_ = k; }

private:
    double k_;
    double y_ = 0;
};

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<size_t>(seconds * rate), 0.0);
}

// A fast attack and an exponential fall.
double decay(double t, double attack, double fall) {
    return (t < attack ? t / attack : 1.0) * std::exp(-(t - std::min(t, attack)) / fall);
}

void addTone(std::vector<double>& out, double start, double length, double from, double to, double level,
             double fall) {
    double phase = 0;
    const size_t first = static_cast<size_t>(start * rate);
    const size_t count = static_cast<size_t>(length * rate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = i / rate;
        const double f = from + (to - from) * (t / length);
        phase += 2 * pi * f / rate;
        // A little of the second harmonic keeps a tone from sounding like a test signal.
        out[first + i] += level * decay(t, 0.004, fall) * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
}

void addNoise(std::vector<double>& out, std::uint32_t seed, double start, double length, double kFrom,
              double kTo, double level, double attack, double fall) {
    Noise noise(seed);
    LowPass filter(kFrom);
    const size_t first = static_cast<size_t>(start * rate);
    const size_t count = static_cast<size_t>(length * rate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = i / rate;
        filter.setK(kFrom + (kTo - kFrom) * (t / length));
        out[first + i] += level * decay(t, attack, fall) * filter(noise.next());
    }
}

// Scaled so that the loudest sample sits at the peak level, then faded out over the last 5 ms so that no
// sound ends in a click.
std::vector<std::int16_t> finish(std::vector<double> wave) {
    const size_t fade = static_cast<size_t>(0.005 * rate);
    for (size_t i = 0; i < fade && i < wave.size(); ++i)
        wave[wave.size() - 1 - i] *= static_cast<double>(i) / fade;
    double peak = 0;
    for (double s : wave)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? SoundMaker::peakLevel / peak : 0;
    std::vector<std::int16_t> samples;
    samples.reserve(wave.size());
    for (double s : wave)
        samples.push_back(static_cast<std::int16_t>(std::lround(s * gain * 32767)));
    return samples;
}

} // namespace

std::vector<SoundMaker::Sound> SoundMaker::all() const {
    std::vector<Sound> sounds;

    // A splash: a burst of bright noise falling to a low gurgle, with a bubble rising after it.
    auto w = silence(0.55);
    addNoise(w, 11, 0.0, 0.55, 0.6, 0.08, 1.0, 0.005, 0.12);
    addTone(w, 0.12, 0.18, 300, 700, 0.25, 0.06);
    sounds.push_back({IDW_SPLASH, "splash", finish(w)});

    // The net: air rushing past, rising then falling in pitch.
    w = silence(0.3);
    addNoise(w, 23, 0.0, 0.3, 0.05, 0.5, 1.0, 0.05, 0.1);
    sounds.push_back({IDW_NET_SWISH, "net swish", finish(w)});

    // A wet flop on the sand: a low thump and a short slap of noise.
    w = silence(0.25);
    addTone(w, 0.0, 0.2, 180, 90, 1.0, 0.05);
    addNoise(w, 37, 0.0, 0.1, 0.5, 0.2, 0.6, 0.002, 0.02);
    sounds.push_back({IDW_FISH_LANDS, "fish lands", finish(w)});

    // The swing: a short whoosh.
    w = silence(0.28);
    addNoise(w, 41, 0.0, 0.28, 0.08, 0.6, 1.0, 0.06, 0.07);
    sounds.push_back({IDW_SWING, "swing", finish(w)});

    // The strike: a sharp click with a ringing head.
    w = silence(0.2);
    addNoise(w, 53, 0.0, 0.02, 0.9, 0.9, 1.0, 0.0005, 0.004);
    addTone(w, 0.0, 0.2, 2400, 2300, 0.4, 0.04);
    sounds.push_back({IDW_STRIKE, "strike", finish(w)});

    // In the cup: the ball rattling round twice and dropping, three falling plinks.
    w = silence(0.45);
    addTone(w, 0.0, 0.15, 1600, 1500, 0.8, 0.03);
    addTone(w, 0.12, 0.15, 1300, 1200, 0.8, 0.03);
    addTone(w, 0.24, 0.2, 900, 850, 1.0, 0.05);
    sounds.push_back({IDW_CUP, "ball in the cup", finish(w)});

    // Two running steps on grass.
    w = silence(0.35);
    for (double at : {0.0, 0.17}) {
        addTone(w, at, 0.12, 120, 70, 1.0, 0.03);
        addNoise(w, 61 + static_cast<std::uint32_t>(at * 100), at, 0.06, 0.3, 0.1, 0.5, 0.001, 0.015);
    }
    sounds.push_back({IDW_STEPS, "steps", finish(w)});

    // The caber landing: a deep thud and the ground's rumble.
    w = silence(0.5);
    addTone(w, 0.0, 0.45, 95, 45, 1.0, 0.12);
    addNoise(w, 71, 0.0, 0.4, 0.15, 0.03, 0.7, 0.002, 0.1);
    sounds.push_back({IDW_THUD, "caber thud", finish(w)});

    // A cheer: a crowd's broad noise swelling and falling, with a rising shout through it.
    w = silence(0.9);
    addNoise(w, 83, 0.0, 0.9, 0.35, 0.25, 1.0, 0.05, 0.35);
    addNoise(w, 89, 0.02, 0.8, 0.6, 0.4, 0.5, 0.05, 0.25);
    addTone(w, 0.05, 0.6, 520, 700, 0.25, 0.3);
    sounds.push_back({IDW_CHEER, "cheer", finish(w)});

    // No throw: a short low buzz.
    w = silence(0.4);
    {
        const size_t n = static_cast<size_t>(0.38 * rate);
        for (size_t i = 0; i < n; ++i) {
            const double t = i / rate;
            const double square = std::sin(2 * pi * 140 * t) >= 0 ? 1.0 : -1.0;
            w[i] += (t < 0.34 ? 1.0 : (0.38 - t) / 0.04) * (t < 0.005 ? t / 0.005 : 1.0) * square;
        }
        LowPass soften(0.35);
        for (double& s : w)
            s = soften(s);
    }
    sounds.push_back({IDW_NO_THROW, "no throw", finish(w)});

    // The end of a game: a rising major arpeggio and its chord.
    w = silence(0.95);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i)
        addTone(w, 0.11 * i, 0.95 - 0.11 * i, notes[i], notes[i], 0.6, i == 3 ? 0.3 : 0.2);
    sounds.push_back({IDW_FLOURISH, "flourish", finish(w)});

    return sounds;
}
