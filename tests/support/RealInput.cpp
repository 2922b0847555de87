#include "support/RealInput.h"

#include "support/TestEnvironment.h"

#include <vector>

namespace tamba::test {

namespace {
void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

INPUT keyInput(WORD virtualKey, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = flags;
    if (virtualKey == VK_LEFT || virtualKey == VK_RIGHT || virtualKey == VK_UP || virtualKey == VK_DOWN)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

void sendKey(WORD virtualKey, DWORD flags) {
    INPUT input = keyInput(virtualKey, flags);
    SendInput(1, &input, sizeof input);
}
} // namespace

void RealInput::settle(DWORD milliseconds) {
    pumpMessages(milliseconds);
}

bool RealInput::moveTo(int x, int y) {
    // Absolute coordinates run from 0 to 65535 across every monitor together; aim at the middle of the
    // pixel.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const LONG ax = static_cast<LONG>(((x - left) * 65536LL + 32768) / width);
    const LONG ay = static_cast<LONG>(((y - top) * 65536LL + 32768) / height);
    for (int attempt = 0; attempt < 3; ++attempt) {
        sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, ax, ay);
        settle(30);
        POINT at;
        GetCursorPos(&at);
        if (at.x == x && at.y == y)
            return true;
    }
    return false;
}

void RealInput::press(DWORD button) {
    sendMouse(button);
    settle();
}

void RealInput::release(DWORD button) {
    sendMouse(button);
    settle();
}

void RealInput::click(int x, int y) {
    moveTo(x, y);
    press(MOUSEEVENTF_LEFTDOWN);
    release(MOUSEEVENTF_LEFTUP);
}

void RealInput::rightClick(int x, int y) {
    moveTo(x, y);
    press(MOUSEEVENTF_RIGHTDOWN);
    release(MOUSEEVENTF_RIGHTUP);
}

void RealInput::drag(int fromX, int fromY, int toX, int toY, int steps) {
    moveTo(fromX, fromY);
    press(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= steps; ++i)
        moveTo(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    release(MOUSEEVENTF_LEFTUP);
}

void RealInput::keyDown(WORD virtualKey) {
    sendKey(virtualKey, 0);
    settle(20);
}

void RealInput::keyUp(WORD virtualKey) {
    sendKey(virtualKey, KEYEVENTF_KEYUP);
    settle(20);
}

void RealInput::key(WORD virtualKey) {
    keyDown(virtualKey);
    keyUp(virtualKey);
}

void RealInput::keyBurst(WORD virtualKey, int downs) {
    std::vector<INPUT> inputs(downs, keyInput(virtualKey, 0));
    inputs.push_back(keyInput(virtualKey, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    settle(20);
}

} // namespace tamba::test
