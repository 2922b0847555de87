#include "gui/Dialog.h"
#include "app/Application.h"
#include "app/CustomWindow.h"
#include "support/DebuggedProcess.h"
#include "support/TestEnvironment.h"
#include "tamba_util/Exception.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tamba::app::Application;
using tamba::gui::Dialog;

namespace {

constexpr int buttonsTemplate = 900; // DialogTest.rc: OK (default), Other, Cancel
constexpr int plainTemplate = 101;
constexpr WORD otherButton = 1003;
constexpr UINT probe = WM_APP + 7;

// Records what reaches it; runs a step of the test once its box exists and after each command.
class ProbeDialog : public Dialog {
public:
    using Step = std::function<void(ProbeDialog&)>;
    explicit ProbeDialog(int templateId = buttonsTemplate, Step onInit = {})
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
    INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == probe) {
            ++probes;
            if (throwOnProbe)
                throw tamba::util::Exception("Probe handler failed at 100%");
        }
        return Dialog::dialogMessage(dialog, message, wParam, lParam);
    }
    void post(UINT message, WPARAM wParam = 0) { PostMessageA(handle(), message, wParam, 0); }

    std::vector<WORD> commands;
    int probes = 0;
    bool throwOnProbe = false;
    Step afterCommand;

private:
    Step onInit_;
};

Application& application() {
    return *Application::current();
}

// Takes the waiting messages through the application's own loop step, as the program does, until the
// condition holds or the time is up.
bool pumpThroughApplication(
    const std::function<bool()>& until = [] { return false; }, DWORD timeoutMs = 60) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            application().dispatch(message);
        if (until())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A key press as the keyboard would queue it for the focused window.
void postKey(WORD key) {
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
}

// Shows the buttons dialog modelessly and waits until it is the application's active dialog.
void openActive(ProbeDialog& dialog) {
    dialog.showModeless();
    SetForegroundWindow(dialog.handle());
    ASSERT_TRUE(pumpThroughApplication([&] { return application().activeDialog() == &dialog; }, 3000))
        << "the dialog never became active";
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), IDOK) << "the first button starts with the focus";
}

} // namespace

TEST(ModalDialog, OkGivesTrueAndCancelOrEscapeFalse) {
    ProbeDialog ok(buttonsTemplate, [](ProbeDialog& d) { d.post(WM_COMMAND, IDOK); });
    EXPECT_TRUE(ok.runModal());
    EXPECT_FALSE(ok.modeless());
    EXPECT_EQ(ok.handle(), nullptr) << "the box is gone once runModal returns";

    ProbeDialog cancel(buttonsTemplate, [](ProbeDialog& d) { d.post(WM_COMMAND, IDCANCEL); });
    EXPECT_FALSE(cancel.runModal());

    // The modal loop turns Escape into Cancel and Enter into the default button.
    ProbeDialog escape(buttonsTemplate, [](ProbeDialog& d) {
        PostMessageA(GetDlgItem(d.handle(), IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_FALSE(escape.runModal());
    EXPECT_EQ(escape.commands, std::vector<WORD>{IDCANCEL});
    ProbeDialog enter(buttonsTemplate, [](ProbeDialog& d) {
        PostMessageA(GetDlgItem(d.handle(), IDOK), WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_TRUE(enter.runModal());

    // The result is the value given to close, whoever calls it.
    ProbeDialog own(buttonsTemplate, [](ProbeDialog& d) { d.post(WM_COMMAND, otherButton); });
    own.afterCommand = [](ProbeDialog& d) { d.close(true); };
    EXPECT_TRUE(own.runModal());
}

TEST(ModalDialog, MessagesAfterCloseNoLongerReachTheObject) {
    ProbeDialog dialog(buttonsTemplate, [](ProbeDialog& d) {
        SendMessageA(d.handle(), probe, 0, 0);
        d.post(WM_COMMAND, IDOK);
    });
    bool boxStillThere = false;
    dialog.afterCommand = [&](ProbeDialog& d) {
        // EndDialog has not destroyed the box yet: only the object has been let go.
        boxStillThere = IsWindow(d.handle()) != 0;
        SendMessageA(d.handle(), probe, 0, 0);
        SendMessageA(d.handle(), WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_TRUE(dialog.runModal());
    EXPECT_TRUE(boxStillThere);
    EXPECT_EQ(dialog.probes, 1) << "one probe before close, none after";
    EXPECT_EQ(dialog.commands, std::vector<WORD>{IDOK}) << "the later Cancel went to the platform";
}

TEST(Dialog, MissingTemplateThrows) {
    ProbeDialog modal(4242);
    try {
        modal.runModal();
        ADD_FAILURE() << "no exception";
    } catch (const tamba::util::Exception& e) {
        EXPECT_STREQ(e.message().c_str(), "Could not create Dialog\n");
    }
    ProbeDialog modeless(4242);
    try {
        modeless.showModeless();
        ADD_FAILURE() << "no exception";
    } catch (const tamba::util::Exception& e) {
        const std::string text = e.message().c_str();
        const std::string prefix = "Error while Creating Dialog:";
        EXPECT_EQ(text.compare(0, prefix.size(), prefix), 0) << text;
        EXPECT_GT(text.size(), prefix.size() + 1) << "the system's text follows the colon";
        EXPECT_EQ(text.back(), '\n');
    }
    EXPECT_EQ(modeless.handle(), nullptr);
}

TEST(ModelessDialog, KeyboardNavigationGoesThroughTheApplicationsLoop) {
    ProbeDialog dialog;
    ASSERT_NO_FATAL_FAILURE(openActive(dialog));

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
    EXPECT_EQ(application().activeDialog(), nullptr);

    // On a new one, Enter presses the default button, and close destroys the box.
    ProbeDialog second;
    ASSERT_NO_FATAL_FAILURE(openActive(second));
    HWND box = second.handle();
    postKey(VK_RETURN);
    pumpThroughApplication();
    EXPECT_EQ(second.commands, std::vector<WORD>{IDOK});
    EXPECT_TRUE(second.result());
    EXPECT_FALSE(IsWindow(box));
}

TEST(ModelessDialog, AnotherActiveWindowStopsTheRouting) {
    ProbeDialog dialog;
    ASSERT_NO_FATAL_FAILURE(openActive(dialog));
    tamba::app::CustomWindow other("OtherWindow", 0, WS_POPUP | WS_VISIBLE, 400, 400, 60, 60);
    SetForegroundWindow(other.handle());
    EXPECT_TRUE(pumpThroughApplication([&] { return application().activeDialog() == nullptr; }, 3000));

    // A Tab queued for the dialog's button now goes straight to the button.
    PostMessageA(GetDlgItem(dialog.handle(), IDOK), WM_KEYDOWN, VK_TAB, 1);
    pumpThroughApplication();
    EXPECT_NE(GetDlgCtrlID(GetFocus()), otherButton);

    SetForegroundWindow(dialog.handle());
    EXPECT_TRUE(pumpThroughApplication([&] { return application().activeDialog() == &dialog; }, 3000));
}

TEST(ModelessDialog, DeletingOrDestroyingAnOpenDialogLetsGoOfIt) {
    auto* dialog = new ProbeDialog;
    openActive(*dialog);
    HWND box = dialog->handle();
    delete dialog;
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(application().activeDialog(), nullptr);
    // Whatever the platform still sends about the old box finds nobody.
    pumpThroughApplication();
    EXPECT_EQ(application().activeDialog(), nullptr);

    // Destroyed by the platform rather than by close.
    ProbeDialog destroyed;
    ASSERT_NO_FATAL_FAILURE(openActive(destroyed));
    DestroyWindow(destroyed.handle());
    EXPECT_EQ(destroyed.handle(), nullptr);
    EXPECT_EQ(application().activeDialog(), nullptr);
    destroyed.close(false);
}

// The pointer is cleared by the dialog itself, not only by the platform's deactivation message, which
// a box that is not really active never gets.
TEST(ModelessDialog, ClosingOrDeletingTheActiveDialogClearsItWithoutADeactivation) {
    tamba::app::CustomWindow other("OtherWindow", 0, WS_POPUP | WS_VISIBLE, 400, 400, 60, 60);
    auto openInactive = [&](ProbeDialog& d) {
        d.showModeless();
        SetForegroundWindow(other.handle());
        pumpThroughApplication();
    };
    ProbeDialog closed(plainTemplate);
    openInactive(closed);
    application().setActiveDialog(&closed);
    closed.close(true);
    EXPECT_EQ(application().activeDialog(), nullptr);

    auto* deleted = new ProbeDialog(plainTemplate);
    openInactive(*deleted);
    application().setActiveDialog(deleted);
    delete deleted;
    EXPECT_EQ(application().activeDialog(), nullptr);

    // A dialog that is not the active one leaves the pointer alone.
    ProbeDialog kept(plainTemplate);
    ProbeDialog another(plainTemplate);
    openInactive(another);
    application().setActiveDialog(&kept);
    another.close(false);
    EXPECT_EQ(application().activeDialog(), &kept);
    application().setActiveDialog(nullptr);
}

// Run in a child process by the test below: a handler's exception must not unwind through the
// platform's frames, which would end the process.
TEST(DialogChild, DISABLED_ThrowingHandler) {
    ProbeDialog dialog(buttonsTemplate, [](ProbeDialog& d) {
        d.post(probe);
        d.post(WM_COMMAND, IDOK);
    });
    dialog.throwOnProbe = true;
    EXPECT_TRUE(dialog.runModal());
    EXPECT_EQ(dialog.probes, 1);
}

TEST(DialogProcedure, ExceptionFromAHandlerIsLoggedAndTheDialogGoesOn) {
    tamba::test::DebuggedProcess child("\"" + tamba::test::executableDirectory() +
                                       "DialogTest.exe\" --gtest_filter=DialogChild.DISABLED_ThrowingHandler "
                                       "--gtest_also_run_disabled_tests");
    ASSERT_TRUE(child.started());
    EXPECT_EQ(child.waitForExit(30000), 0u);
    int logged = 0;
    for (const std::string& line : child.lines())
        logged += line == "Probe handler failed at 100%\n";
    EXPECT_EQ(logged, 1);
}
