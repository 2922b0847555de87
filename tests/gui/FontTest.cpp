#include "gui/Font.h"
#include "gui/Scale.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <utility>

using tamba::gui::Font;

namespace {

LOGFONTA described(HFONT font) {
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    return description;
}

} // namespace

TEST(Font, HeightIsThePointSizeAtTheToysScale) {
    Font eight("Arial Black", 8);
    ASSERT_NE(eight.handle(), nullptr);
    // 8 * 96 / 72 = 10.67: the nearest integer, negative for the character height.
    EXPECT_EQ(eight.description().lfHeight, -11);
    EXPECT_EQ(described(eight.handle()).lfHeight, -11);
    EXPECT_STREQ(described(eight.handle()).lfFaceName, "Arial Black");

    Font twelve("Arial Black", 12);
    EXPECT_EQ(described(twelve.handle()).lfHeight, -16);
    Font ten("Arial Black", 10);
    EXPECT_EQ(described(ten.handle()).lfHeight, -13) << "13.33 rounds down";

    // Whatever the screen's own resolution: text must keep its place on pictures drawn at the scale.
    tamba::gui::Scale::set(150);
    Font large("Arial Black", 8);
    tamba::gui::Scale::set(100);
    EXPECT_EQ(described(large.handle()).lfHeight, -16);
}

TEST(Font, OverlongFaceNameIsCutAndStaysTerminated) {
    const std::string longName(40, 'Q');
    Font font(longName.c_str(), 8);
    EXPECT_EQ(std::strlen(font.description().lfFaceName), static_cast<size_t>(LF_FACESIZE - 1));
    EXPECT_EQ(std::string(font.description().lfFaceName), longName.substr(0, LF_FACESIZE - 1));
}

TEST(Font, OwnsItsHandleAlone) {
    HFONT handle;
    {
        Font first("Arial Black", 8);
        handle = first.handle();
        Font second(std::move(first));
        EXPECT_EQ(first.handle(), nullptr);
        EXPECT_EQ(second.handle(), handle);
        { Font gone(std::move(second)); }
        EXPECT_EQ(GetObjectType(handle), 0u) << "deleted by its one owner";
        // Destroying the emptied ones deletes nothing further.
        Font third("Arial Black", 9);
        HFONT kept = third.handle();
        first = std::move(third);
        EXPECT_EQ(first.handle(), kept);
        handle = kept;
    }
    EXPECT_EQ(GetObjectType(handle), 0u);
}
