#pragma once

#include <windows.h>

namespace tamba::test {

// Mouse and keyboard input sent through the platform's input queue (SendInput), so that it reaches
// whichever window is under the cursor or has the focus, in any process, as a person's would.
class RealInput {
public:
    // Moves the pointer to a screen point; returns whether it arrived there.
    static bool moveTo(int x, int y);
    static void press(DWORD button = MOUSEEVENTF_LEFTDOWN);
    static void release(DWORD button = MOUSEEVENTF_LEFTUP);
    static void click(int x, int y);
    static void rightClick(int x, int y);
    // Presses and releases the left button at the start, moving in steps to the end.
    static void drag(int fromX, int fromY, int toX, int toY, int steps = 8);
    static void keyDown(WORD virtualKey);
    static void keyUp(WORD virtualKey);
    static void key(WORD virtualKey);
    // A held key in one go: downs key-downs (the first press and its auto-repeats), then the key-up,
    // all queued together so that they arrive faster than a timer tick.
    static void keyBurst(WORD virtualKey, int downs);
    // Lets the input reach its window before the next step.
    static void settle(DWORD milliseconds = 60);
};

} // namespace tamba::test
