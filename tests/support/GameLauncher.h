#pragma once

#include "support/DebuggedProcess.h"

#include <memory>
#include <windows.h>

namespace tamba::test {

// The real program, started as a debuggee; its character once it stands in its place after the splash.
struct RunningToy {
    std::unique_ptr<DebuggedProcess> process;
    HWND character = nullptr;

    // Both assert: call them inside ASSERT_NO_FATAL_FAILURE.
    void start();
    // Asks the program to close, and expects it to end with 0.
    void quit();
};

// Starts a game in the running program the way a person does: the character's menu, Games, the entry,
// then the play button of the instructions picture.
class GameLauncher {
public:
    // The character's window once it stands in its place after the splash, or null.
    static HWND waitForCharacter();
    // entry: 1 for the first game under "No Game". Gives the instructions picture's place, and when asked
    // the tick count just before the click on its play button; false if the menu or the instructions
    // did not appear.
    static bool play(HWND character, int entry, RECT& instructions, DWORD* clickedAt = nullptr);
};

} // namespace tamba::test
