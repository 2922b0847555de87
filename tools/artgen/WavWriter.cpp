#include "WavWriter.h"

#include "ByteWriter.h"

std::vector<std::uint8_t> WavWriter::write(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter w;
    w.u32(0x46464952); // "RIFF"
    w.u32(36 + dataBytes);
    w.u32(0x45564157); // "WAVE"
    w.u32(0x20746D66); // "fmt "
    w.u32(16);
    w.u16(1); // PCM
    w.u16(1); // mono
    w.u32(static_cast<std::uint32_t>(sampleRate));
    w.u32(static_cast<std::uint32_t>(sampleRate) * 2);
    w.u16(2);
    w.u16(16);
    w.u32(0x61746164); // "data"
    w.u32(dataBytes);
    for (std::int16_t s : samples)
        w.u16(static_cast<std::uint16_t>(s));
    return w.bytes();
}
