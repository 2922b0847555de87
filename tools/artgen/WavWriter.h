#pragma once

#include <cstdint>
#include <vector>

// A RIFF WAVE file of 16-bit PCM mono samples, as PlaySound takes it from a WAVE resource.
class WavWriter {
public:
    static std::vector<std::uint8_t> write(const std::vector<std::int16_t>& samples, int sampleRate);
};
