// Every test executable gets the process-wide Application that the program's code reaches for,
// built on the test executable's own module so that its test resources are found.
#include "app/Application.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Every test program starts the toy with its default settings, whatever an earlier one saved.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Fleeba");
    tamba::util::Logger logger(true);
    tamba::app::Application application(GetModuleHandleA(nullptr), logger);
    return RUN_ALL_TESTS();
}
