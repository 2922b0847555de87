#include "app/Settings.h"

#include "app/Application.h"
#include "support/CapturingLogger.h"

#include <gtest/gtest.h>

using tamba::app::Settings;

namespace {
constexpr const char* testKey = "Software\\FleebaSettingsTest";

void setDword(const char* name, DWORD value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, testKey, name, REG_DWORD, &value, sizeof value);
}
} // namespace

TEST(Settings, SavedValuesComeBackAndAMissingKeyGivesTheDefaults) {
    RegDeleteKeyA(HKEY_CURRENT_USER, testKey);
    const auto& context = *tamba::app::Application::current();
    Settings fresh(context, testKey);
    fresh.load();
    EXPECT_TRUE(fresh.playSounds);
    EXPECT_TRUE(fresh.onTop);
    EXPECT_EQ(fresh.size, Settings::automaticSize);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, testKey, 0, KEY_READ, &key), ERROR_SUCCESS)
        << "loading writes nothing";

    Settings saved(context, testKey);
    saved.playSounds = false;
    saved.onTop = false;
    saved.size = 150;
    ASSERT_TRUE(saved.save());
    Settings loaded(context, testKey);
    loaded.load();
    EXPECT_FALSE(loaded.playSounds);
    EXPECT_FALSE(loaded.onTop);
    EXPECT_EQ(loaded.size, 150);
    RegDeleteKeyA(HKEY_CURRENT_USER, testKey);
}

TEST(Settings, AValueOfTheWrongTypeOrOutOfRangeIsIgnoredWithOneLogLine) {
    RegDeleteKeyA(HKEY_CURRENT_USER, testKey);
    setDword("ShowOnTop", 2);
    setDword("Size", 175);
    RegSetKeyValueA(HKEY_CURRENT_USER, testKey, "PlaySounds", REG_SZ, "0", 2);
    tamba::test::CapturingLogger logger;
    tamba::app::Application application(GetModuleHandleA(nullptr), logger);
    const size_t linesBefore = logger.lines.size();
    Settings settings(application, testKey);
    settings.load();
    EXPECT_TRUE(settings.playSounds);
    EXPECT_TRUE(settings.onTop);
    EXPECT_EQ(settings.size, Settings::automaticSize);
    EXPECT_EQ(logger.lines.size() - linesBefore, 3u);
    RegDeleteKeyA(HKEY_CURRENT_USER, testKey);
}
