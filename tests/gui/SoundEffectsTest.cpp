#include "gui/SoundEffects.h"

#include "app/Application.h"
#include "support/CapturingLogger.h"

#include <gtest/gtest.h>

using tamba::gui::SoundEffects;

// The test programs run without a sound server: the toy's sounds must cost it nothing there.
TEST(SoundEffects, WithoutADeviceTheGamesGoOnWithOneLogLineAndOffNothingIsAskedFor) {
    tamba::test::CapturingLogger logger;
    tamba::app::Application application(GetModuleHandleA(nullptr), logger);
    SoundEffects::setEnabled(true);
    const size_t linesBefore = logger.lines.size();
    const DWORD began = GetTickCount();
    for (int number = SoundEffects::splash; number <= SoundEffects::flourish; ++number)
        SoundEffects::play(number);
    SoundEffects::play(12345); // no such sound
    EXPECT_LT(GetTickCount() - began, 3000u);
    EXPECT_LE(logger.lines.size() - linesBefore, 1u) << "at most one line for the whole run";
    EXPECT_EQ(SoundEffects::last(), 12345);

    const unsigned asked = SoundEffects::count();
    SoundEffects::setEnabled(false);
    SoundEffects::play(SoundEffects::cheer);
    EXPECT_EQ(SoundEffects::count(), asked);
    SoundEffects::setEnabled(true);
    SoundEffects::close();
}
