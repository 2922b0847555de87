#include "tamba_util/AList.h"
#include "tamba_util/OwningAList.h"
#include "tamba_util/String.h"
#include "tamba_util/VAList.h"

#include <gtest/gtest.h>
#include <string>

using tamba::util::AList;
using tamba::util::BoundsException;
using tamba::util::OwningAList;
using tamba::util::String;
using tamba::util::VAList;

namespace {
struct Counted {
    explicit Counted(int* deaths) : deaths(deaths) {}
    virtual ~Counted() { ++*deaths; }
    int* deaths;
};
} // namespace

TEST(AList, GrowsByFourAndKeepsOrder) {
    AList<int> list;
    int values[13];
    EXPECT_EQ(list.capacity(), 0u);
    const unsigned expected[13] = {4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12, 16};
    for (int i = 0; i < 13; ++i) {
        list.append(&values[i]);
        EXPECT_EQ(list.capacity(), expected[i]) << "after append " << i + 1;
    }
    EXPECT_EQ(list.capacity(), 16u);
    ASSERT_EQ(list.count(), 13u);
    for (unsigned i = 0; i < 13; ++i)
        EXPECT_EQ(list[i], &values[i]);
}

TEST(AList, BadIndexThrowsBoundsException) {
    AList<int> list;
    int value = 0;
    list.append(&value);
    try {
        (void)list[1];
        FAIL() << "no exception";
    } catch (const BoundsException& e) {
        EXPECT_STREQ(e.message, "Invalid index in []");
        EXPECT_STREQ(e.file, "tamba_util/AList");
        EXPECT_EQ(e.line, 47);
    }
}

TEST(AList, RemoveTakesOutTheFirstOccurrenceOnly) {
    AList<int> list;
    int a = 0, b = 0, c = 0;
    list.append(&a);
    list.append(&b);
    list.append(&a);
    list.append(&c);
    int stranger = 0;
    list.remove(&stranger);
    ASSERT_EQ(list.count(), 4u);
    list.remove(&a);
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list[0], &b);
    EXPECT_EQ(list[1], &a);
    EXPECT_EQ(list[2], &c);
}

TEST(AList, ClearForgetsItemsWithoutDeletingThem) {
    int deaths = 0;
    Counted kept(&deaths);
    {
        AList<Counted> list;
        list.append(&kept);
        list.clear();
        EXPECT_EQ(list.count(), 0u);
    }
    EXPECT_EQ(deaths, 0);
}

TEST(OwningAList, DeletesEveryItemOnceAndSkipsNull) {
    int deaths = 0;
    {
        OwningAList<Counted> list;
        for (int i = 0; i < 6; ++i)
            list.append(new Counted(&deaths));
        list.append(nullptr);
        list.removeAll();
        EXPECT_EQ(deaths, 6);
        EXPECT_EQ(list.count(), 0u);
        list.append(new Counted(&deaths));
    }
    EXPECT_EQ(deaths, 7);
}

TEST(VAList, HoldsCopiesOfStringsAndReleasesThem) {
    const int before = String::ownedRepCount();
    {
        VAList<String> list;
        for (int i = 0; i < 9; ++i)
            list.append(String::fromInt(i));
        EXPECT_EQ(list.capacity(), 12u);
        EXPECT_STREQ(list[8].c_str(), "8");
        list[3] = "three";
        EXPECT_STREQ(list[3].c_str(), "three");
        list.clear();
        EXPECT_EQ(list.count(), 0u);
        EXPECT_EQ(list.capacity(), 0u);
        EXPECT_EQ(String::ownedRepCount(), before);
        list.append("again");
        EXPECT_EQ(list.capacity(), 4u);
    }
    EXPECT_EQ(String::ownedRepCount(), before);
}

namespace {
// A value that marks itself when destroyed, so that a copy made from a destroyed one shows.
struct Marked {
    Marked() = default;
    explicit Marked(int value) : value(value) {}
    Marked(const Marked& other) : value(other.value) {}
    Marked& operator=(const Marked& other) {
        value = other.value;
        return *this;
    }
    ~Marked() { value = -1; }
    volatile int value = 0;
};
} // namespace

TEST(VAList, AppendingOneOfItsOwnItemsToAFullListCopiesItBeforeGrowing) {
    VAList<Marked> list;
    for (int i = 0; i < 4; ++i)
        list.append(Marked(10 + i));
    ASSERT_EQ(list.count(), list.capacity());
    list.append(list[1]);
    ASSERT_EQ(list.count(), 5u);
    EXPECT_EQ(list[4].value, 11);

    VAList<String> texts;
    for (int i = 0; i < 4; ++i)
        texts.append(String::fromInt(i));
    texts.append(texts[0]);
    EXPECT_STREQ(texts[4].c_str(), "0");
}

TEST(VAList, BadIndexThrowsBoundsException) {
    VAList<String> list;
    try {
        (void)list[0];
        FAIL() << "no exception";
    } catch (const BoundsException& e) {
        EXPECT_STREQ(e.message, "Invalid index to []");
        EXPECT_STREQ(e.file, "tamba_util/VAList");
        EXPECT_EQ(e.line, 247);
    }
}
