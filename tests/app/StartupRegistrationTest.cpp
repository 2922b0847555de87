#include "app/StartupRegistration.h"
#include "support/CapturingLogger.h"

#include <gtest/gtest.h>
#include <string>

using tamba::app::StartupRegistration;
using tamba::test::CapturingLogger;
using tamba::util::ProgramContext;

namespace {
const char* const testValue = "Fleeba Test Registration";

std::string readValue() {
    char data[512] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StartupRegistration::runKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return "<no key>";
    const LONG status =
        RegQueryValueExA(key, testValue, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return "<no value>";
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, std::string(data).size() + 1) << "the terminating NUL belongs to the data";
    return data;
}

bool logged(const CapturingLogger& logger, const std::string& activity) {
    for (const auto& line : logger.lines)
        if (line.rfind("Error while " + activity + ":\n", 0) == 0)
            return true;
    return false;
}
} // namespace

TEST(StartupRegistration, WritesTheQuotedPathReadsItBackAndDeletesIt) {
    CapturingLogger logger;
    ProgramContext context(logger);
    const char* path = "C:\\Program Files\\Fleeba Toy\\fleeba.exe";
    StartupRegistration registration(context, path, testValue);
    registration.apply(false); // start clean whatever an earlier run left
    logger.lines.clear();

    EXPECT_FALSE(registration.query());
    EXPECT_TRUE(logged(logger, "Opening startup value"));

    logger.lines.clear();
    registration.apply(true);
    EXPECT_TRUE(logger.lines.empty());
    // Unquoted, Windows could start "C:\Program.exe" with the rest as arguments.
    EXPECT_EQ(readValue(), "\"C:\\Program Files\\Fleeba Toy\\fleeba.exe\"");
    EXPECT_TRUE(registration.query());
    EXPECT_TRUE(logger.lines.empty());

    registration.apply(true); // written again on every OK, whether or not it changed
    EXPECT_TRUE(logger.lines.empty());

    registration.apply(false);
    EXPECT_EQ(readValue(), "<no value>");
    EXPECT_TRUE(logger.lines.empty());
}

TEST(StartupRegistration, DeletingAMissingValueIsLoggedAndHarmless) {
    CapturingLogger logger;
    ProgramContext context(logger);
    StartupRegistration registration(context, "C:\\fleeba.exe", testValue);
    registration.apply(false);
    logger.lines.clear();
    registration.apply(false);
    EXPECT_TRUE(logged(logger, "Deleting startup value"));
    EXPECT_EQ(readValue(), "<no value>");
}
