#include "gui/Dialog.h"
#include "app/Application.h"
#include "app/CustomWindow.h"
#include "support/DebuggedProcess.h"
#include "support/TestEnvironment.h"
#include "tamba_util/ErrorText.h"
#include "tamba_util/Exception.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tamba::app::Application;
using tamba::gui::Dialog;
using tamba::test::pumpUntil;

namespace {

constexpr int buttonsTemplate = 900; // DialogTest.rc: OK (default), Other, Cancel
constexpr int plainTemplate = 101;
constexpr WORD otherButton = 1003;
constexpr UINT probe = WM_APP + 7;

// Records what reaches it and runs a step of the test once its box exists.
class ProbeDialog : public Dialog {
public:
    explicit ProbeDialog(int templateId = buttonsTemplate, std::function<void(ProbeDialog&)> onInit = {})
        : Dialog(nullptr, templateId), onInit_(std::move(onInit)) {}

    void onInitDialog() override {
        if (onInit_)
            onInit_(*this);
    }
    void onCommand(WORD id, WORD code) override {
        commands.push_back(id);
        Dialog::onCommand(id, code);
        if (afterCommand)
            afterCommand(*this);
    }
    bool dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == probe)
            ++probes;
        if (message == probe && throwOnProbe)
            throw tamba::util::Exception("Probe handler failed at 100%");
        return Dialog::dialogMessage(dialog, message, wParam, lParam);
    }

    std::vector<WORD> commands;
    int probes = 0;
    bool throwOnProbe = false;
    std::function<void(ProbeDialog&)> afterCommand;

private:
    std::function<void(ProbeDialog&)> onInit_;
};

Application& application() {
    return *Application::current();
}

// Takes the waiting messages through the application's own loop step, as the program does.
void pumpThroughApplication(DWORD milliseconds = 50) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            application().dispatch(message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

template <class Condition> bool pumpThroughApplicationUntil(Condition condition, DWORD timeoutMs = 3000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return condition();
        pumpThroughApplication(10);
    }
    return true;
}

// A key press as the keyboard would queue it for the focused window.
void postKey(WORD key) {
    HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void postToSelf(ProbeDialog& dialog, UINT message, WPARAM wParam = 0) {
    PostMessageA(dialog.handle(), message, wParam, 0);
}

// Shows the buttons dialog modelessly and waits until it is the application's active dialog.
void openActive(ProbeDialog& dialog) {
    dialog.showModeless();
    SetForegroundWindow(dialog.handle());
    ASSERT_TRUE(pumpThroughApplicationUntil([&] { return application().activeDialog() == &dialog; }))
        << "the dialog never became active";
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), IDOK) << "the first button starts with the focus";
}

} // namespace

TEST(ModalDialog, OkGivesTrueAndCancelOrEscapeFalse) {
    ProbeDialog ok(buttonsTemplate, [](ProbeDialog& d) { postToSelf(d, WM_COMMAND, IDOK); });
    EXPECT_TRUE(ok.runModal());
    EXPECT_TRUE(ok.result());
    EXPECT_FALSE(ok.modeless());

    ProbeDialog cancel(buttonsTemplate, [](ProbeDialog& d) { postToSelf(d, WM_COMMAND, IDCANCEL); });
    EXPECT_FALSE(cancel.runModal());

    // The modal loop turns Escape into Cancel; the key goes to the focused button, as a real one would.
    ProbeDialog escape(buttonsTemplate, [](ProbeDialog& d) {
        PostMessageA(GetDlgItem(d.handle(), IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_FALSE(escape.runModal());
    EXPECT_EQ(escape.commands, std::vector<WORD>{IDCANCEL});

    // Enter presses the default button.
    ProbeDialog enter(buttonsTemplate, [](ProbeDialog& d) {
        PostMessageA(GetDlgItem(d.handle(), IDOK), WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_TRUE(enter.runModal());
}

TEST(ModalDialog, ResultIsTheValueGivenToCloseNotThePlatformsAnswer) {
    // Other commands are ignored until a derived dialog closes itself.
    ProbeDialog dialog(buttonsTemplate, [](ProbeDialog& d) {
        postToSelf(d, WM_COMMAND, otherButton);
        postToSelf(d, probe);
    });
    dialog.afterCommand = [](ProbeDialog& d) {
        if (d.commands.back() == otherButton)
            d.close(true);
    };
    EXPECT_TRUE(dialog.runModal());
    EXPECT_EQ(dialog.commands, std::vector<WORD>{otherButton});
    EXPECT_EQ(dialog.handle(), nullptr) << "the box is gone once runModal returns";
}

TEST(ModalDialog, MessagesAfterCloseNoLongerReachTheObject) {
    ProbeDialog dialog(buttonsTemplate, [](ProbeDialog& d) {
        SendMessageA(d.handle(), probe, 0, 0);
        postToSelf(d, WM_COMMAND, IDOK);
    });
    int probesAfterClose = -1;
    bool boxStillThere = false;
    dialog.afterCommand = [&](ProbeDialog& d) {
        // EndDialog has not destroyed the box yet: only the object has been let go.
        boxStillThere = IsWindow(d.handle()) != 0;
        SendMessageA(d.handle(), probe, 0, 0);
        SendMessageA(d.handle(), WM_COMMAND, IDCANCEL, 0);
        probesAfterClose = d.probes;
    };
    EXPECT_TRUE(dialog.runModal());
    EXPECT_TRUE(boxStillThere);
    EXPECT_EQ(dialog.probes, 1) << "one probe before close, none after";
    EXPECT_EQ(probesAfterClose, 1);
    EXPECT_EQ(dialog.commands, std::vector<WORD>{IDOK}) << "the later Cancel went to the platform";
}

TEST(ModalDialog, MissingTemplateThrows) {
    ProbeDialog dialog(4242);
    try {
        dialog.runModal();
        FAIL() << "no exception";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not create Dialog\n");
    }
}

TEST(ModelessDialog, MissingTemplateThrowsTheSystemsReason) {
    ProbeDialog dialog(4242);
    try {
        dialog.showModeless();
        FAIL() << "no exception";
    } catch (const tamba::util::Exception& e) {
        const std::string text = e.message().c_str();
        const std::string prefix = "Error while Creating Dialog:";
        ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0) << text;
        EXPECT_GT(text.size(), prefix.size() + 1) << "the system's text follows the colon";
        EXPECT_EQ(text.back(), '\n');
    }
    EXPECT_EQ(dialog.handle(), nullptr);
}

TEST(ModelessDialog, KeyboardNavigationGoesThroughTheApplicationsLoop) {
    ProbeDialog dialog;
    openActive(dialog);
    if (HasFatalFailure())
        return;

    // Dispatched straight to the button, Tab does nothing: the loop must hand it to the dialog first.
    postKey(VK_TAB);
    tamba::test::pumpMessages(50);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK);

    postKey(VK_TAB);
    pumpThroughApplication();
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), otherButton);

    // Enter presses the focused button; Escape cancels and closes.
    postKey(VK_RETURN);
    pumpThroughApplication();
    EXPECT_EQ(dialog.commands, std::vector<WORD>{otherButton});
    ASSERT_NE(dialog.handle(), nullptr);

    postKey(VK_ESCAPE);
    pumpThroughApplication();
    EXPECT_EQ(dialog.commands, (std::vector<WORD>{otherButton, IDCANCEL}));
    EXPECT_EQ(dialog.handle(), nullptr) << "closed";
    EXPECT_FALSE(dialog.result());
    EXPECT_EQ(application().activeDialog(), nullptr);
}

TEST(ModelessDialog, EnterPressesTheDefaultButton) {
    ProbeDialog dialog;
    openActive(dialog);
    if (HasFatalFailure())
        return;
    HWND box = dialog.handle();
    postKey(VK_RETURN);
    pumpThroughApplication();
    EXPECT_EQ(dialog.commands, std::vector<WORD>{IDOK});
    EXPECT_TRUE(dialog.result());
    EXPECT_FALSE(IsWindow(box)) << "a modeless dialog's box is destroyed by close";
    EXPECT_EQ(application().activeDialog(), nullptr);
}

TEST(ModelessDialog, AnotherActiveWindowStopsTheRouting) {
    ProbeDialog dialog;
    openActive(dialog);
    if (HasFatalFailure())
        return;

    tamba::app::CustomWindow other("OtherWindow", 0, WS_POPUP | WS_VISIBLE, 400, 400, 60, 60);
    SetForegroundWindow(other.handle());
    SetActiveWindow(other.handle());
    EXPECT_TRUE(pumpThroughApplicationUntil([&] { return application().activeDialog() == nullptr; }));

    // A Tab queued for the dialog's button now goes straight to the button.
    PostMessageA(GetDlgItem(dialog.handle(), IDOK), WM_KEYDOWN, VK_TAB, 1);
    pumpThroughApplication();
    EXPECT_NE(GetDlgCtrlID(GetFocus()), otherButton);

    SetForegroundWindow(dialog.handle());
    EXPECT_TRUE(pumpThroughApplicationUntil([&] { return application().activeDialog() == &dialog; }));
}

TEST(ModelessDialog, DeletingAnOpenDialogRemovesItAndTheActivePointer) {
    auto* dialog = new ProbeDialog;
    openActive(*dialog);
    if (HasFatalFailure()) {
        delete dialog;
        return;
    }
    HWND box = dialog->handle();
    delete dialog;
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(application().activeDialog(), nullptr);
    // Whatever the platform still sends about the old box finds nobody.
    pumpThroughApplication();
    EXPECT_EQ(application().activeDialog(), nullptr);
}

// The pointer is cleared by the dialog itself, not only by the platform's deactivation message, which
// a box that is not really active never gets.
TEST(ModelessDialog, ClosingOrDeletingTheActiveDialogClearsItWithoutADeactivation) {
    ProbeDialog kept(plainTemplate);
    kept.showModeless();
    ProbeDialog closed(plainTemplate);
    closed.showModeless();
    tamba::app::CustomWindow other("OtherWindow", 0, WS_POPUP | WS_VISIBLE, 400, 400, 60, 60);
    SetForegroundWindow(other.handle());
    pumpThroughApplication();

    application().setActiveDialog(&closed);
    closed.close(true);
    EXPECT_EQ(application().activeDialog(), nullptr);

    auto* deleted = new ProbeDialog(plainTemplate);
    deleted->showModeless();
    SetForegroundWindow(other.handle());
    pumpThroughApplication();
    application().setActiveDialog(deleted);
    delete deleted;
    EXPECT_EQ(application().activeDialog(), nullptr);

    // A dialog that is not the active one leaves the pointer alone.
    application().setActiveDialog(&kept);
    ProbeDialog another(plainTemplate);
    another.showModeless();
    application().setActiveDialog(&kept);
    another.close(false);
    EXPECT_EQ(application().activeDialog(), &kept);
    application().setActiveDialog(nullptr);
}

TEST(ModelessDialog, DestroyedByThePlatformLetsGoOfTheObject) {
    ProbeDialog dialog;
    openActive(dialog);
    if (HasFatalFailure())
        return;
    DestroyWindow(dialog.handle());
    EXPECT_EQ(dialog.handle(), nullptr);
    EXPECT_EQ(application().activeDialog(), nullptr);
    pumpThroughApplication();
    // A second close is harmless.
    dialog.close(false);
    EXPECT_FALSE(dialog.result());
}

TEST(ModelessDialog, PlainTemplateOpensWithoutControls) {
    ProbeDialog dialog(plainTemplate);
    dialog.showModeless();
    ASSERT_NE(dialog.handle(), nullptr);
    EXPECT_TRUE(dialog.modeless());
    EXPECT_TRUE(IsWindowVisible(dialog.handle()));
    EXPECT_EQ(GetWindow(dialog.handle(), GW_CHILD), nullptr);
    EXPECT_EQ(reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog.handle(), DWLP_USER)), &dialog);
}

// Run in a child process by the test below: a handler's exception must not unwind through the
// platform's frames, which would end the process.
TEST(DialogChild, DISABLED_ThrowingHandler) {
    ProbeDialog dialog(buttonsTemplate, [](ProbeDialog& d) {
        postToSelf(d, probe);
        postToSelf(d, WM_COMMAND, IDOK);
    });
    dialog.throwOnProbe = true;
    EXPECT_TRUE(dialog.runModal());
    EXPECT_EQ(dialog.probes, 1);
}

TEST(DialogProcedure, ExceptionFromAHandlerIsLoggedAndTheDialogGoesOn) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    tamba::test::DebuggedProcess child(std::string("\"") + self +
                                       "\" --gtest_filter=DialogChild.DISABLED_ThrowingHandler"
                                       " --gtest_also_run_disabled_tests");
    ASSERT_TRUE(child.started());
    EXPECT_EQ(child.waitForExit(30000), 0u);
    int logged = 0;
    for (const std::string& line : child.lines())
        if (line == "Probe handler failed at 100%\n")
            ++logged;
    EXPECT_EQ(logged, 1);
}
