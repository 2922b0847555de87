#include "gui/Bitmap.h"
#include "support/PixelCanvas.h"
#include "tamba_util/Exception.h"

#include <gtest/gtest.h>
#include <utility>

using tamba::gui::Bitmap;
using tamba::test::PixelCanvas;

namespace {

constexpr int patternId = 910; // TestPictures.rc: 362 by 316, six blocks
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF yellow = RGB(255, 255, 0);
constexpr COLORREF cyan = RGB(0, 255, 255);
constexpr COLORREF magenta = RGB(255, 0, 255);
constexpr COLORREF grey = RGB(128, 128, 128);

} // namespace

TEST(Bitmap, TakesItsSizeFromTheResource) {
    Bitmap picture(patternId);
    EXPECT_EQ(picture.size().cx, 362);
    EXPECT_EQ(picture.size().cy, 316);
    EXPECT_EQ(GetObjectType(picture.handle()), static_cast<DWORD>(OBJ_BITMAP));
}

TEST(Bitmap, MissingResourceThrowsWithItsNumber) {
    try {
        Bitmap missing(4242);
        FAIL() << "no exception";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not load bitmap id 4242\n");
    }
}

TEST(Bitmap, EqualSizeCopiesPixelForPixel) {
    Bitmap picture(patternId);
    PixelCanvas canvas(400, 350, grey);
    picture.draw(canvas.dc(), RECT{10, 20, 372, 336});
    // Block edges land exactly, offset by the rectangle's corner.
    EXPECT_EQ(canvas.at(10, 20), red);
    EXPECT_EQ(canvas.at(10 + 180, 20 + 157), red);
    EXPECT_EQ(canvas.at(10 + 181, 20), green);
    EXPECT_EQ(canvas.at(10 + 341, 20), green);
    EXPECT_EQ(canvas.at(10 + 342, 20), blue);
    EXPECT_EQ(canvas.at(10 + 361, 20 + 157), blue);
    EXPECT_EQ(canvas.at(10, 20 + 158), yellow);
    EXPECT_EQ(canvas.at(10 + 181, 20 + 315), cyan);
    EXPECT_EQ(canvas.at(10 + 361, 20 + 315), magenta);
    // Nothing outside the rectangle.
    EXPECT_EQ(canvas.at(9, 20), grey);
    EXPECT_EQ(canvas.at(10, 19), grey);
    EXPECT_EQ(canvas.at(10 + 362, 20), grey);
    EXPECT_EQ(canvas.at(10, 20 + 316), grey);
}

TEST(Bitmap, HalfSizeRectangleShrinksThePictureToHalf) {
    Bitmap picture(patternId);
    PixelCanvas canvas(400, 350, grey);
    picture.draw(canvas.dc(), RECT{0, 0, 181, 158});
    // Column edges at 181 and 342 become 90.5 and 171; the row edge at 158 becomes 79. Points two
    // pixels off each edge are clear of how the platform rounds.
    EXPECT_EQ(canvas.at(88, 10), red);
    EXPECT_EQ(canvas.at(92, 10), green);
    EXPECT_EQ(canvas.at(169, 10), green);
    EXPECT_EQ(canvas.at(173, 10), blue);
    EXPECT_EQ(canvas.at(180, 10), blue);
    EXPECT_EQ(canvas.at(10, 77), red);
    EXPECT_EQ(canvas.at(10, 81), yellow);
    EXPECT_EQ(canvas.at(120, 157), cyan);
    EXPECT_EQ(canvas.at(180, 157), magenta);
    EXPECT_EQ(canvas.at(181, 10), grey);
    EXPECT_EQ(canvas.at(10, 158), grey);
    EXPECT_EQ(canvas.at(200, 200), grey);
}

TEST(Bitmap, OwnsItsHandleAlone) {
    HBITMAP handle;
    {
        Bitmap first(patternId);
        handle = first.handle();
        Bitmap second(std::move(first));
        EXPECT_EQ(first.handle(), nullptr);
        EXPECT_EQ(first.size().cx, 0);
        EXPECT_EQ(second.handle(), handle);
        EXPECT_EQ(second.size().cx, 362);

        // A moved-from picture draws nothing.
        PixelCanvas canvas(20, 20, grey);
        first.draw(canvas.dc(), RECT{0, 0, 20, 20});
        EXPECT_EQ(canvas.at(5, 5), grey);

        Bitmap third(patternId);
        HBITMAP replaced = third.handle();
        third = std::move(second);
        EXPECT_EQ(GetObjectType(replaced), 0u) << "the replaced bitmap is deleted";
        EXPECT_EQ(third.handle(), handle);
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(GetObjectType(handle), 0u) << "deleted with its last owner";
}
