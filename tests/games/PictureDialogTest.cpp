#include "games/PictureDialog.h"
#include "gui/Scale.h"
#include "support/PixelCanvas.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using tamba::games::PictureDialog;
using tamba::test::PixelCanvas;

namespace {

constexpr int picture = 910; // TestPictures.rc: 362 by 316

// Runs the steps one after another from a timer inside the modal loop, as a person would act while
// the picture is up. A step returns false when it is done with the dialog (it closed it).
class DrivenPicture : public PictureDialog {
public:
    using Step = std::function<void(DrivenPicture&)>;
    DrivenPicture(std::vector<Step> steps) : PictureDialog(picture), steps_(std::move(steps)) {}

    void onInitDialog() override {
        PictureDialog::onInitDialog();
        SetTimer(handle(), 1, 60, nullptr);
    }
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && next_ < steps_.size())
            steps_[next_++](*this);
        return PictureDialog::dialogMessage(dialog, message, wParam, lParam);
    }

    void click(int x, int y) {
        SendMessageA(handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        if (handle() != nullptr && IsWindow(handle()))
            SendMessageA(handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

private:
    std::vector<Step> steps_;
    size_t next_ = 0;
};

// Ends a dialog that a failed test left open, so that runModal returns.
void endAnyway(DrivenPicture& d) {
    d.close(false);
}

} // namespace

TEST(PictureDialog, ShowsThePictureTopMostInTheMiddleOfTheScreen) {
    RECT rect = {};
    bool topmost = false;
    COLORREF left = 0, right = 0, corner = 0;
    DrivenPicture dialog({
        [&](DrivenPicture& d) {
            d.windowRect(rect);
            topmost = (GetWindowLongA(d.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            PixelCanvas shown(362, 316, RGB(1, 2, 3));
            PixelCanvas::copyClient(d.handle(), shown);
            left = shown.at(180, 10);
            right = shown.at(181, 10);
            corner = shown.at(361, 315);
            d.click(345, 15);
        },
        endAnyway,
    });
    EXPECT_TRUE(dialog.runModal());
    // (1024 - 362) / 2 and (768 - 316) / 2 on the test display.
    EXPECT_EQ(rect.left, 331);
    EXPECT_EQ(rect.top, 226);
    EXPECT_EQ(rect.right - rect.left, 362);
    EXPECT_EQ(rect.bottom - rect.top, 316);
    EXPECT_TRUE(topmost);
    EXPECT_EQ(left, RGB(255, 0, 0)) << "drawn at its own size";
    EXPECT_EQ(right, RGB(0, 255, 0));
    EXPECT_EQ(corner, RGB(255, 0, 255));
}

TEST(PictureDialog, ClicksOutsideBothHotSpotsDoNothingThePlayBoxCloses) {
    bool stillOpen = false;
    DrivenPicture dialog({
        [](DrivenPicture& d) {
            // Around the close box (342, 12, 351, 21) and the play box (285, 259, 347, 300).
            const POINT outside[] = {{100, 100}, {341, 15},  {351, 15},  {345, 11},  {345, 21},
                                     {284, 280}, {347, 280}, {300, 258}, {300, 300}, {5, 310}};
            for (const POINT& p : outside)
                d.click(p.x, p.y);
        },
        [&](DrivenPicture& d) {
            stillOpen = d.handle() != nullptr && IsWindowVisible(d.handle());
            d.click(285, 259);
        },
        endAnyway,
    });
    EXPECT_TRUE(dialog.runModal());
    EXPECT_TRUE(stillOpen);
}

// Escape closes it as the close box does. Its boxes are where its picture shows them, at the scale it was
// made at, even when the toy's scale changes while it is up.
TEST(PictureDialog, EscapeClosesItAndItsBoxesKeepTheScaleItWasMadeAt) {
    DrivenPicture escaped({
        [](DrivenPicture& d) { PostMessageA(d.handle(), WM_KEYDOWN, VK_ESCAPE, 0); },
        endAnyway,
    });
    EXPECT_TRUE(escaped.runModal());

    DrivenPicture rescaled({
        [](DrivenPicture& d) {
            tamba::gui::Scale::set(150);
            d.click(345, 15);
        },
        endAnyway,
    });
    const bool closedByItsBox = rescaled.runModal();
    tamba::gui::Scale::set(100);
    EXPECT_TRUE(closedByItsBox);
}
