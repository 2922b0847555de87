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

    // Resource numbers: the fishing game's first, then golf's, then the caber toss's, then the ending.
    enum Number {
        splash = 800,    // the diver goes into the water
        netSwish = 801,  // a swipe of the net
        fishLands = 802, // a caught fish drops on the island
        swing = 803,     // the club swings down
        strike = 804,    // the club meets the ball
        cup = 805,       // the ball drops in
        steps = 806,     // the run-up
        thud = 807,      // the caber comes down
        cheer = 808,     // a centre landing
        noThrow = 809,   // held past the line
        flourish = 810,  // the game is over
    };

    std::vector<Sound> all() const;
};
