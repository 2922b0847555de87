#include "app/CustomWindow.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using tamba::app::CustomWindow;
using tamba::app::MainWindow;

namespace {

// Records which messages reach the object and what its handlers were given.
class RecordingWindow : public CustomWindow {
public:
    explicit RecordingWindow(bool allowClose = true)
        : CustomWindow("RecordingWindow", 0, WS_POPUP, 10, 10, 50, 40), allowClose(allowClose) {}

    bool onClose() override {
        ++closes;
        return allowClose;
    }
    void onContextMenu(int x, int y) override {
        menuX = x;
        menuY = y;
    }
    void onCommand(int id, int code) override {
        commandId = id;
        commandCode = code;
    }
    void onSize(int width, int height) override {
        sizeW = width;
        sizeH = height;
    }

    bool allowClose;
    int closes = 0;
    int menuX = -1, menuY = -1;
    int commandId = -1, commandCode = -1;
    int sizeW = -1, sizeH = -1;
};

} // namespace

namespace {
// What the window's user data held when each message was about to be delivered to a new window: the
// procedure hands a message to the object only when the data points at it.
struct Delivery {
    UINT message;
    LONG_PTR boundTo;
};
std::vector<Delivery> deliveries;
LRESULT CALLBACK watchDeliveries(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char name[64] = {};
    GetClassNameA(sent->hwnd, name, sizeof name);
    if (code == HC_ACTION && std::string(name) == "TambaGuiCustomWindow")
        deliveries.push_back({sent->message, GetWindowLongPtrA(sent->hwnd, GWLP_USERDATA)});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

TEST(CustomWindow, NothingBeforeCreateReachesTheObject) {
    deliveries.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, watchDeliveries, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    RecordingWindow window;
    UnhookWindowsHookEx(hook);

    bool sawNcCreate = false, sawCreate = false, sawAfterCreate = false;
    for (const auto& d : deliveries) {
        if (d.message == WM_NCCREATE) {
            sawNcCreate = true;
            EXPECT_EQ(d.boundTo, 0) << "WM_NCCREATE would reach the object";
        } else if (d.message == WM_CREATE) {
            sawCreate = true;
        } else if (sawCreate) {
            sawAfterCreate = true;
            EXPECT_EQ(d.boundTo, reinterpret_cast<LONG_PTR>(&window)) << "message " << d.message;
        }
    }
    EXPECT_TRUE(sawNcCreate);
    EXPECT_TRUE(sawCreate);
    EXPECT_TRUE(sawAfterCreate);
    EXPECT_EQ(CustomWindow::fromHandle(window.handle()), &window);

    char name[64] = {};
    GetClassNameA(window.handle(), name, sizeof name);
    EXPECT_STREQ(name, "TambaGuiCustomWindow");
}

TEST(CustomWindow, ASecondWindowDoesNotRegisterTheClassAgain) {
    // A second registration would fail and throw "Could not register custom window class".
    RecordingWindow first;
    EXPECT_NO_THROW(RecordingWindow second);
    WNDCLASSA windowClass = {};
    ASSERT_TRUE(GetClassInfoA(tamba::app::Application::current()->instanceHandle(), "TambaGuiCustomWindow",
                              &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS | CS_SAVEBITS));
    EXPECT_EQ(windowClass.cbWndExtra, 4);
}

TEST(CustomWindow, MessagesBecomeHandlerCalls) {
    RecordingWindow window;
    SendMessageA(window.handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window.handle()),
                 MAKELPARAM(300, 200));
    EXPECT_EQ(window.menuX, 300);
    EXPECT_EQ(window.menuY, 200);
    // Left of and above the primary monitor the coordinates are negative.
    SendMessageA(window.handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window.handle()),
                 MAKELPARAM(-300, -2));
    EXPECT_EQ(window.menuX, -300);
    EXPECT_EQ(window.menuY, -2);
    // From the keyboard (Shift+F10, the menu key) the platform sends -1, -1: the menu opens in the middle
    // of the window that asked, here at (10, 10) and 50 by 40.
    SendMessageA(window.handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window.handle()), -1);
    EXPECT_EQ(window.menuX, 35);
    EXPECT_EQ(window.menuY, 30);

    SendMessageA(window.handle(), WM_COMMAND, MAKEWPARAM(40003, 1), 0);
    EXPECT_EQ(window.commandId, 40003);
    EXPECT_EQ(window.commandCode, 1);

    SetWindowPos(window.handle(), nullptr, 0, 0, 70, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(window.sizeW, 70);
    EXPECT_EQ(window.sizeH, 30);
}

TEST(CustomWindow, CloseRefusedLeavesTheWindowAlive) {
    RecordingWindow window(false);
    EXPECT_EQ(SendMessageA(window.handle(), WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(window.closes, 1);
    EXPECT_TRUE(IsWindow(window.handle()));
}

TEST(CustomWindow, CloseAllowedDestroysTheWindowAndTheObjectCopes) {
    HWND handle;
    {
        RecordingWindow window(true);
        handle = window.handle();
        SendMessageA(handle, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(handle));
        // The platform may give the number to a new window: the object must not keep it.
        EXPECT_EQ(window.handle(), nullptr);
    } // the destructor finds no window and touches none
    EXPECT_FALSE(IsWindow(handle));
}

TEST(CustomWindow, DestructionUnbindsAndDestroysTheWindow) {
    auto* window = new RecordingWindow;
    const HWND handle = window->handle();
    deliveries.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, watchDeliveries, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    delete window;
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(IsWindow(handle));
    bool sawDestroy = false;
    for (const auto& d : deliveries) {
        sawDestroy = sawDestroy || d.message == WM_DESTROY;
        EXPECT_EQ(d.boundTo, 0) << "message " << d.message << " would reach the half-destroyed object";
    }
    EXPECT_TRUE(sawDestroy);
}

TEST(MainWindow, CloseQuitsAndDestroysTheWindow) {
    MainWindow window("MainWindowUnderTest");
    HWND handle = window.handle();
    EXPECT_FALSE(IsWindowVisible(handle));
    PostMessageA(handle, WM_CLOSE, 0, 0);
    MSG message;
    bool quit = false;
    const DWORD start = GetTickCount();
    while (!quit && GetTickCount() - start < 5000) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        if (message.message == WM_QUIT) {
            quit = true;
            EXPECT_EQ(message.wParam, 0u);
        } else {
            DispatchMessageA(&message);
        }
    }
    EXPECT_TRUE(quit);
    EXPECT_FALSE(IsWindow(handle));
}
