#include "app/OptionsDialog.h"

#include "resource.h"

#include <functional>
#include <gtest/gtest.h>

using tamba::app::OptionsDialog;

namespace {

// The real dialog, with a test step run once its box is open.
class OptionsUnderTest : public OptionsDialog {
public:
    OptionsUnderTest(bool* playSounds, bool* onTop, bool* runOnStartup, std::function<void(HWND)> step)
        : OptionsDialog(nullptr, playSounds, onTop, runOnStartup), step_(std::move(step)) {}
    void onInitDialog() override {
        OptionsDialog::onInitDialog();
        step_(handle());
    }

private:
    std::function<void(HWND)> step_;
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
};

} // namespace

TEST(OptionsDialog, OpensCentredAtThePicturesSizeAboveAllWithTheBoxesFromTheSettings) {
    Settings settings{true, true, false};
    RECT rect = {};
    bool topmost = false, soundsBoxVisible = true, visible[2] = {};
    bool boxes[3] = {};
    bool controlsInside = true;
    OptionsUnderTest dialog(&settings.playSounds, &settings.onTop, &settings.runOnStartup, [&](HWND d) {
        GetWindowRect(d, &rect);
        topmost = (GetWindowLongA(d, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        soundsBoxVisible = IsWindowVisible(GetDlgItem(d, IDC_PLAY_SOUNDS)) != FALSE;
        visible[0] = IsWindowVisible(GetDlgItem(d, IDC_RUN_ON_STARTUP)) != FALSE;
        visible[1] = IsWindowVisible(GetDlgItem(d, IDC_ON_TOP)) != FALSE;
        RECT client;
        GetClientRect(d, &client);
        for (int id : {IDC_RUN_ON_STARTUP, IDC_ON_TOP, IDOK, IDCANCEL}) {
            RECT control;
            GetWindowRect(GetDlgItem(d, id), &control);
            MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&control), 2);
            RECT both;
            IntersectRect(&both, &control, &client);
            controlsInside = controlsInside && EqualRect(&both, &control);
        }
        boxes[0] = ticked(d, IDC_PLAY_SOUNDS);
        boxes[1] = ticked(d, IDC_RUN_ON_STARTUP);
        boxes[2] = ticked(d, IDC_ON_TOP);
        press(d, IDCANCEL);
    });
    EXPECT_FALSE(dialog.runModal());
    // (1024 - 362) / 2 and (768 - 316) / 2 on the test display.
    EXPECT_EQ(rect.left, 331);
    EXPECT_EQ(rect.top, 226);
    EXPECT_EQ(rect.right - rect.left, 362);
    EXPECT_EQ(rect.bottom - rect.top, 316);
    EXPECT_TRUE(topmost);
    EXPECT_TRUE(controlsInside) << "a control reaches past the picture";
    EXPECT_FALSE(soundsBoxVisible);
    EXPECT_TRUE(visible[0]);
    EXPECT_TRUE(visible[1]);
    EXPECT_TRUE(boxes[0]);
    EXPECT_FALSE(boxes[1]);
    EXPECT_TRUE(boxes[2]);
}

TEST(OptionsDialog, OkStoresEveryBoxAndTheHiddenOnePassesThrough) {
    Settings settings{false, true, false};
    OptionsUnderTest dialog(&settings.playSounds, &settings.onTop, &settings.runOnStartup, [](HWND d) {
        press(d, IDC_RUN_ON_STARTUP);
        press(d, IDC_ON_TOP);
        press(d, IDOK);
    });
    EXPECT_TRUE(dialog.runModal());
    EXPECT_FALSE(settings.playSounds);
    EXPECT_TRUE(settings.runOnStartup);
    EXPECT_FALSE(settings.onTop);

    settings = {true, false, true};
    OptionsUnderTest again(&settings.playSounds, &settings.onTop, &settings.runOnStartup,
                           [](HWND d) { press(d, IDOK); });
    EXPECT_TRUE(again.runModal());
    EXPECT_TRUE(settings.playSounds);
    EXPECT_FALSE(settings.onTop);
    EXPECT_TRUE(settings.runOnStartup);
}

TEST(OptionsDialog, CancelAndEscapeLeaveTheSettingsAlone) {
    Settings settings{true, true, false};
    OptionsUnderTest cancel(&settings.playSounds, &settings.onTop, &settings.runOnStartup, [](HWND d) {
        press(d, IDC_RUN_ON_STARTUP);
        press(d, IDC_ON_TOP);
        press(d, IDCANCEL);
    });
    EXPECT_FALSE(cancel.runModal());
    OptionsUnderTest escape(&settings.playSounds, &settings.onTop, &settings.runOnStartup, [](HWND d) {
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
    Settings settings{true, true, true};
    HBRUSH labelBrush = nullptr, buttonBrush = nullptr;
    COLORREF text = 0;
    int mode = 0;
    LOGBRUSH brush = {};
    OptionsUnderTest dialog(&settings.playSounds, &settings.onTop, &settings.runOnStartup, [&](HWND d) {
        HDC dc = CreateCompatibleDC(nullptr);
        labelBrush =
            reinterpret_cast<HBRUSH>(SendMessageA(d, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_ON_TOP))));
        text = GetTextColor(dc);
        mode = GetBkMode(dc);
        buttonBrush = reinterpret_cast<HBRUSH>(SendMessageA(d, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
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
