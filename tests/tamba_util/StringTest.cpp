#include "tamba_util/String.h"
#include "tamba_util/Path.h"

#include <gtest/gtest.h>

using tamba::util::Path;
using tamba::util::String;

TEST(String, CopiesShareOneRepAndTheLastOneFreesIt) {
    const int before = String::ownedRepCount();
    {
        String a("shared");
        String b(a);
        String c;
        c = b;
        EXPECT_EQ(String::ownedRepCount(), before + 1);
        EXPECT_EQ(a.c_str(), b.c_str());
        EXPECT_EQ(a.c_str(), c.c_str());
        { String gone(a); }
        EXPECT_STREQ(b.c_str(), "shared");
        a = "other";
        EXPECT_STREQ(c.c_str(), "shared");
        EXPECT_EQ(String::ownedRepCount(), before + 2);
    }
    EXPECT_EQ(String::ownedRepCount(), before);
}

TEST(String, SelfAssignmentKeepsTheText) {
    const int before = String::ownedRepCount();
    {
        String a("self");
        String& alias = a;
        a = alias;
        a = a.c_str();
        EXPECT_STREQ(a.c_str(), "self");
        EXPECT_EQ(a.length(), 4);
    }
    EXPECT_EQ(String::ownedRepCount(), before);
}

TEST(String, AssigningTextFromItsOwnRepCopiesBeforeReleasing) {
    String a("abcdef");
    a = a.c_str() + 2;
    EXPECT_STREQ(a.c_str(), "cdef");
    EXPECT_EQ(a.length(), 4);
}

TEST(String, NullAndEmptyTextsAreTheSharedEmptyString) {
    const int before = String::ownedRepCount();
    String fromNull(static_cast<const char*>(nullptr));
    String fromEmpty("");
    String byDefault;
    EXPECT_STREQ(fromNull.c_str(), "");
    EXPECT_EQ(fromNull.length(), 0);
    EXPECT_EQ(fromNull.c_str(), fromEmpty.c_str());
    EXPECT_EQ(fromEmpty.c_str(), byDefault.c_str());
    EXPECT_EQ(String::ownedRepCount(), before);
    String assigned("x");
    assigned = static_cast<const char*>(nullptr);
    EXPECT_STREQ(assigned.c_str(), "");
    EXPECT_EQ(String::ownedRepCount(), before);
}

TEST(String, ConcatenationMakesANewTextAndLeavesTheOperands) {
    const int before = String::ownedRepCount();
    {
        String empty;
        String abc = empty + "abc";
        EXPECT_STREQ(abc.c_str(), "abc");
        EXPECT_EQ(abc.length(), 3);
        String left("left-");
        String joined = left + abc;
        EXPECT_STREQ(joined.c_str(), "left-abc");
        EXPECT_EQ(joined.length(), 8);
        EXPECT_STREQ(left.c_str(), "left-");
        String prefixed = "Error while " + abc;
        EXPECT_STREQ(prefixed.c_str(), "Error while abc");
        EXPECT_STREQ((empty + empty).c_str(), "");
    }
    EXPECT_EQ(String::ownedRepCount(), before);
}

TEST(String, NumbersAreFormattedInDecimal) {
    EXPECT_STREQ(String::fromInt(-42).c_str(), "-42");
    EXPECT_STREQ(String::fromInt(0).c_str(), "0");
    EXPECT_STREQ(String::fromInt(-2147483647 - 1).c_str(), "-2147483648");
    EXPECT_STREQ(String::fromUnsigned(4294967295u).c_str(), "4294967295");
}

TEST(Path, CopiesShareTheText) {
    Path a(String("C:\\fleeba.exe"));
    Path b = a;
    EXPECT_EQ(a.c_str(), b.c_str());
    EXPECT_STREQ(b.text().c_str(), "C:\\fleeba.exe");
}
