#include "app/OptionsDialog.h"
#include "gui/Scale.h"

#include "resource.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using tamba::app::OptionsDialog;

namespace {

// The real dialog, with a test step run the moment its box shows: what the user first sees.
class OptionsUnderTest : public OptionsDialog {
public:
    OptionsUnderTest(bool* playSounds, bool* onTop, bool* runOnStartup, int* size,
                     std::function<void(HWND)> step)
        : OptionsDialog(nullptr, playSounds, onTop, runOnStartup, size), step_(std::move(step)) {}
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGED && !stepped_ &&
            (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
            stepped_ = true;
            step_(dialog);
        }
        return OptionsDialog::dialogMessage(dialog, message, wParam, lParam);
    }

private:
    std::function<void(HWND)> step_;
    bool stepped_ = false;
};

bool ticked(HWND dialog, int box) {
    return IsDlgButtonChecked(dialog, box) == BST_CHECKED;
}

// The buttons' own click, as the mouse or the space bar gives it.
void press(HWND dialog, int control) {
    PostMessageA(GetDlgItem(dialog, control), BM_CLICK, 0, 0);
}

struct Settings {
    bool playSounds;
    bool onTop;
    bool runOnStartup;
    int size;
};

} // namespace

TEST(OptionsDialog, OpensCentredAtThePicturesSizeAboveAllWithTheBoxesFromTheSettings) {
    Settings settings{true, true, false, 150};
    RECT rect = {};
    bool topmost = false, soundsBoxVisible = false, visible[2] = {};
    bool boxes[3] = {};
    char size[32] = {};
    OptionsUnderTest dialog(&settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size,
                            [&](HWND d) {
                                GetWindowRect(d, &rect);
                                topmost = (GetWindowLongA(d, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                                soundsBoxVisible = IsWindowVisible(GetDlgItem(d, IDC_PLAY_SOUNDS)) != FALSE;
                                visible[0] = IsWindowVisible(GetDlgItem(d, IDC_RUN_ON_STARTUP)) != FALSE;
                                visible[1] = IsWindowVisible(GetDlgItem(d, IDC_ON_TOP)) != FALSE;
                                boxes[0] = ticked(d, IDC_PLAY_SOUNDS);
                                boxes[1] = ticked(d, IDC_RUN_ON_STARTUP);
                                boxes[2] = ticked(d, IDC_ON_TOP);
                                GetDlgItemTextA(d, IDC_SIZE_CHOICE, size, sizeof size);
                                press(d, IDCANCEL);
                            });
    EXPECT_FALSE(dialog.runModal());
    // (1024 - 362) / 2 and (768 - 316) / 2 on the test display.
    EXPECT_EQ(rect.left, 331);
    EXPECT_EQ(rect.top, 226);
    EXPECT_EQ(rect.right - rect.left, 362);
    EXPECT_EQ(rect.bottom - rect.top, 316);
    EXPECT_TRUE(topmost);
    EXPECT_TRUE(soundsBoxVisible);
    EXPECT_TRUE(visible[0]);
    EXPECT_TRUE(visible[1]);
    EXPECT_TRUE(boxes[0]);
    EXPECT_FALSE(boxes[1]);
    EXPECT_TRUE(boxes[2]);
    EXPECT_STREQ(size, "150 %");
}

// At every scale the picture grows with the controls: each lies inside it, and none covers another. At
// 300 % the box would not fit the 1024 by 768 test screen: it opens at 200 %.
TEST(OptionsDialog, ControlsLieInsideThePictureAndApartAtEveryScale) {
    for (int percent : {100, 125, 150, 200, 300}) {
        SCOPED_TRACE(percent);
        tamba::gui::Scale::set(percent);
        Settings settings{true, true, true, 0};
        RECT client = {};
        std::vector<RECT> controls;
        char size[32] = {};
        OptionsUnderTest dialog(
            &settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size, [&](HWND d) {
                GetClientRect(d, &client);
                for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                    if (!IsWindowVisible(c))
                        continue;
                    RECT r;
                    GetWindowRect(c, &r);
                    MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&r), 2);
                    controls.push_back(r);
                }
                GetDlgItemTextA(d, IDC_SIZE_CHOICE, size, sizeof size);
                press(d, IDCANCEL);
            });
        dialog.runModal();
        tamba::gui::Scale::set(100);
        const int shown = percent == 300 ? 200 : percent;
        EXPECT_EQ(client.right, (362 * shown + 50) / 100);
        EXPECT_EQ(client.bottom, (316 * shown + 50) / 100);
        EXPECT_EQ(controls.size(), 7u) << "three boxes, the size's label and list, OK and Cancel";
        for (size_t i = 0; i < controls.size(); ++i) {
            RECT inside;
            IntersectRect(&inside, &controls[i], &client);
            EXPECT_TRUE(EqualRect(&inside, &controls[i])) << "control " << i << " reaches past the picture";
            for (size_t j = i + 1; j < controls.size(); ++j) {
                RECT both;
                EXPECT_FALSE(IntersectRect(&both, &controls[i], &controls[j])) << i << " covers " << j;
            }
        }
        EXPECT_STREQ(size, "Automatic");
    }
}

TEST(OptionsDialog, OkStoresEveryBox) {
    Settings settings{false, true, false, 0};
    OptionsUnderTest dialog(
        &settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size, [](HWND d) {
            press(d, IDC_RUN_ON_STARTUP);
            press(d, IDC_ON_TOP);
            press(d, IDC_PLAY_SOUNDS);
            SendDlgItemMessageA(d, IDC_SIZE_CHOICE, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>("200 %"));
            press(d, IDOK);
        });
    EXPECT_TRUE(dialog.runModal());
    EXPECT_TRUE(settings.playSounds);
    EXPECT_TRUE(settings.runOnStartup);
    EXPECT_FALSE(settings.onTop);
    EXPECT_EQ(settings.size, 200);

    settings = {true, false, true, 125};
    OptionsUnderTest again(&settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size,
                           [](HWND d) { press(d, IDOK); });
    EXPECT_TRUE(again.runModal());
    EXPECT_TRUE(settings.playSounds);
    EXPECT_FALSE(settings.onTop);
    EXPECT_TRUE(settings.runOnStartup);
    EXPECT_EQ(settings.size, 125);
}

TEST(OptionsDialog, CancelAndEscapeLeaveTheSettingsAlone) {
    Settings settings{true, true, false, 0};
    OptionsUnderTest cancel(&settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size,
                            [](HWND d) {
                                press(d, IDC_RUN_ON_STARTUP);
                                press(d, IDC_ON_TOP);
                                press(d, IDCANCEL);
                            });
    EXPECT_FALSE(cancel.runModal());
    OptionsUnderTest escape(&settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size,
                            [](HWND d) {
                                press(d, IDC_ON_TOP);
                                PostMessageA(GetDlgItem(d, IDC_ON_TOP), WM_KEYDOWN, VK_ESCAPE, 1);
                            });
    EXPECT_FALSE(escape.runModal());
    EXPECT_TRUE(settings.playSounds);
    EXPECT_TRUE(settings.onTop);
    EXPECT_FALSE(settings.runOnStartup);
}

// The labels' colours come back through the shared dialog procedure, which must hand the brush on
// rather than a yes or no.
TEST(OptionsDialog, LabelsAreWhiteOnTheDarkBluePanel) {
    Settings settings{true, true, true, 0};
    HBRUSH labelBrush = nullptr, buttonBrush = nullptr;
    COLORREF text = 0;
    int mode = 0;
    LOGBRUSH brush = {};
    OptionsUnderTest dialog(
        &settings.playSounds, &settings.onTop, &settings.runOnStartup, &settings.size, [&](HWND d) {
            HDC dc = CreateCompatibleDC(nullptr);
            labelBrush =
                reinterpret_cast<HBRUSH>(SendMessageA(d, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_ON_TOP))));
            text = GetTextColor(dc);
            mode = GetBkMode(dc);
            buttonBrush =
                reinterpret_cast<HBRUSH>(SendMessageA(d, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK))));
            if (labelBrush != nullptr)
                GetObjectA(labelBrush, sizeof brush, &brush);
            DeleteDC(dc);
            press(d, IDCANCEL);
        });
    dialog.runModal();
    ASSERT_NE(labelBrush, nullptr);
    EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(brush.lbColor, RGB(0, 0, 128));
    EXPECT_EQ(text, RGB(255, 255, 255));
    EXPECT_EQ(mode, TRANSPARENT);
    EXPECT_EQ(buttonBrush, labelBrush);
}
