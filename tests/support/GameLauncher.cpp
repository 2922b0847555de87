#include "support/GameLauncher.h"

#include "support/RealInput.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace tamba::test {

void RunningToy::start() {
    process = std::make_unique<DebuggedProcess>("\"" + programPath() + "\"");
    ASSERT_TRUE(process->started());
    character = GameLauncher::waitForCharacter();
    ASSERT_NE(character, nullptr) << "the character never appeared";
}

void RunningToy::quit() {
    PostMessageA(FindWindowA("TambaGuiCustomWindow", "Fleeba"), WM_CLOSE, 0, 0);
    EXPECT_EQ(process->waitForExit(10000), 0u);
}

HWND GameLauncher::waitForCharacter() {
    HWND character = waitForWindow("FleebaWindow", 20000);
    if (character == nullptr || !pumpUntil([&] { return IsWindowVisible(character) != FALSE; }, 15000))
        return nullptr;
    // Past the splash the character walks to its place in the middle of the screen.
    pumpUntil([&] { return rectOf(character).left == 470; }, 2000);
    return character;
}

bool GameLauncher::play(HWND character, int entry, RECT& instructions, DWORD* clickedAt) {
    POINT on;
    if (!pointInOutline(character, on))
        return false;
    RealInput::rightClick(on.x, on.y);
    if (!pumpUntil([] { return visibleMenu() != nullptr; }, 3000))
        return false;
    RealInput::key('G');
    for (int i = 0; i < entry; ++i)
        RealInput::key(VK_DOWN);
    RealInput::key(VK_RETURN);
    HWND dialog = nullptr;
    const bool shown = pumpUntil(
        [&] {
            dialog = FindWindowA("#32770", nullptr);
            return dialog != nullptr && IsWindowVisible(dialog);
        },
        5000);
    if (!shown)
        return false;
    instructions = rectOf(dialog);
    // The play button sits near the picture's lower right corner, at the toy's scale.
    const LONG width = instructions.right - instructions.left;
    RealInput::moveTo(instructions.left + 316 * width / 362, instructions.top + 280 * width / 362);
    if (clickedAt != nullptr)
        *clickedAt = GetTickCount();
    RealInput::press();
    RealInput::release();
    return true;
}

} // namespace tamba::test
