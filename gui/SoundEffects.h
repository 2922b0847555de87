#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "res/resource.h"
#include "tamba_util/String.h"

namespace tamba::gui {

// The games' sound effects, WAVE resources of the program, played through one wave output kept open while
// a game runs. A sound is handed to the device and play returns at once (the device plays it on its own),
// so a tick that starts one takes no longer; a new sound cuts the one still playing short. Off, nothing
// plays. With no audio device, or one that fails, the games go on silently, with one log line for the
// whole run.
class SoundEffects {
public:
    // The sounds' resource numbers.
    enum Number {
        splash = IDW_SPLASH,
        netSwish = IDW_NET_SWISH,
        fishLands = IDW_FISH_LANDS,
        swing = IDW_SWING,
        strike = IDW_STRIKE,
        cup = IDW_CUP,
        steps = IDW_STEPS,
        thud = IDW_THUD,
        cheer = IDW_CHEER,
        noThrow = IDW_NO_THROW,
        flourish = IDW_FLOURISH,
    };

    static void setEnabled(bool on);
    // Opens the device ahead of the first sound, so that it is heard at once: a game calls it as it starts.
    static void open();
    // Stops any sound and lets the device go, so that an idle toy holds none.
    static void close();
    static void play(int number);

    // The samples of a module's WAVE resource (the "data" chunk of its RIFF file, 16-bit mono PCM at
    // 22050 Hz), or null; bytes is their size.
    static const char* samplesOf(HMODULE module, int number, DWORD& bytes);

    // The last sound asked for while on, and how many were, for tests.
    static int last() { return last_; }
    static unsigned count() { return count_; }

private:
    // One log line for the whole run, whatever fails: "Could not <what>; ...".
    static void fail(const util::String& what);

    static bool enabled_;
    static bool failed_;
    static int last_;
    static unsigned count_;
    static HWAVEOUT device_; // owned: closed by close()
    static WAVEHDR header_;  // the sound handed to the device; its data is the module's resource
};

} // namespace tamba::gui
