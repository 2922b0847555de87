#include "app/EntryPoint.h"
#include "support/CapturingLogger.h"
#include "tamba_util/Exception.h"

#include <gtest/gtest.h>

using tamba::app::EntryPoint;
using tamba::test::CapturingLogger;

TEST(EntryPoint, NormalEndGivesZero) {
    CapturingLogger logger;
    bool ran = false;
    EXPECT_EQ(EntryPoint::run(logger, [&] { ran = true; }), 0);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(logger.lines.empty());
}

TEST(EntryPoint, EscapingExceptionIsLoggedAndGivesNonZero) {
    CapturingLogger logger;
    const int code =
        EntryPoint::run(logger, [] { throw tamba::util::Exception("Could not load bitmap 42 (100%)"); });
    EXPECT_NE(code, 0);
    ASSERT_EQ(logger.lines.size(), 1u);
    EXPECT_EQ(logger.lines[0], "Could not load bitmap 42 (100%)\n");
}
