#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The games' sound effects, synthesised from code: the same samples on every run. Each is short, mono,
// 16-bit, and quiet, its loudest sample at peakLevel of full scale (about -12.5 dBFS).
class SoundMaker {
public:
    struct Sound {
        int number;
        std::string name;
        std::vector<std::int16_t> samples;
    };

    static constexpr int sampleRate = 22050;
    static constexpr double peakLevel = 0.237;

    // Every effect, numbered as in the program's resource header.
    std::vector<Sound> all() const;
};
