#include "gui/SoundEffects.h"

#include "app/Application.h"

#include <cstring>

namespace tamba::gui {

bool SoundEffects::enabled_ = true;
bool SoundEffects::failed_ = false;
int SoundEffects::last_ = 0;
unsigned SoundEffects::count_ = 0;
HWAVEOUT SoundEffects::device_ = nullptr;
WAVEHDR SoundEffects::header_ = {};

namespace {
// The generator's format: 16-bit mono PCM at 22050 Hz.
constexpr DWORD sampleRate = 22050;
} // namespace

const char* SoundEffects::samplesOf(HMODULE module, int number, DWORD& bytes) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(number), "WAVE");
    if (found == nullptr)
        return nullptr;
    const auto* file = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (file == nullptr || size < 12 || std::memcmp(file, "RIFF", 4) != 0 ||
        std::memcmp(file + 8, "WAVE", 4) != 0)
        return nullptr;
    for (DWORD at = 12; at + 8 <= size;) {
        DWORD length = 0;
        std::memcpy(&length, file + at + 4, 4);
        if (length > size - at - 8)
            return nullptr;
        if (std::memcmp(file + at, "data", 4) == 0) {
            bytes = length;
            return file + at + 8;
        }
        at += 8 + length + (length & 1);
    }
    return nullptr;
}

void SoundEffects::setEnabled(bool on) {
    enabled_ = on;
    if (!on)
        close();
}

void SoundEffects::fail(const util::String& what) {
    if (failed_)
        return;
    failed_ = true;
    if (app::Application* application = app::Application::current())
        application->logger().log("Could not %s; the games go on without sound", what.c_str());
}

void SoundEffects::open() {
    if (!enabled_ || failed_ || device_ != nullptr)
        return;
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = sampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = sampleRate * 2;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        fail("open a sound device");
    }
}

void SoundEffects::close() {
    if (device_ == nullptr)
        return;
    waveOutReset(device_);
    if (header_.dwFlags & WHDR_PREPARED)
        waveOutUnprepareHeader(device_, &header_, sizeof header_);
    header_ = WAVEHDR{};
    waveOutClose(device_);
    device_ = nullptr;
}

void SoundEffects::play(int number) {
    if (!enabled_)
        return;
    last_ = number;
    ++count_;
    open();
    if (device_ == nullptr)
        return;
    DWORD bytes = 0;
    app::Application* application = app::Application::current();
    const char* samples =
        application != nullptr ? samplesOf(application->instanceHandle(), number, bytes) : nullptr;
    if (samples == nullptr) {
        fail("find sound " + util::String::fromInt(number));
        return;
    }
    // The sound still playing stops and gives its buffer back before the next is handed over.
    waveOutReset(device_);
    if (header_.dwFlags & WHDR_PREPARED)
        waveOutUnprepareHeader(device_, &header_, sizeof header_);
    header_ = WAVEHDR{};
    // The device only reads the buffer: the resource's read-only data serves as it is.
    header_.lpData = const_cast<char*>(samples);
    header_.dwBufferLength = bytes;
    if (waveOutPrepareHeader(device_, &header_, sizeof header_) != MMSYSERR_NOERROR ||
        waveOutWrite(device_, &header_, sizeof header_) != MMSYSERR_NOERROR)
        fail("play sound " + util::String::fromInt(number));
}

} // namespace tamba::gui
