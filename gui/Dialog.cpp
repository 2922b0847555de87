#include "gui/Dialog.h"

#include "app/Application.h"
#include "tamba_util/ErrorText.h"
#include "tamba_util/Exception.h"

#include <exception>

namespace tamba::gui {

namespace {

Dialog* objectOf(HWND dialog) {
    return reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void logUnexpected(const char* text) {
    app::Application::current()->logger().log("%s", text);
}

} // namespace

Dialog::Dialog(Window* owner, int templateId)
    : owner_(owner), templateId_(templateId), result_(false), modeless_(false) {
    app::Application::current()->toyWindows().add(*this);
}

Dialog::~Dialog() {
    app::Application::current()->toyWindows().remove(*this);
    // The slot goes first so that the messages of the destruction find no half-destroyed object.
    detach();
    if (hwnd_ != nullptr && modeless_)
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void Dialog::detach() {
    if (hwnd_ != nullptr && objectOf(hwnd_) == this)
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
    app::Application* application = app::Application::current();
    if (application->activeDialog() == this)
        application->setActiveDialog(nullptr);
}

void Dialog::close(bool result) {
    result_ = result;
    if (hwnd_ == nullptr)
        return;
    detach();
    if (modeless_) {
        DestroyWindow(hwnd_);
        // A stale handle could come to name another window later.
        hwnd_ = nullptr;
    } else {
        EndDialog(hwnd_, result ? 1 : 0);
    }
}

void Dialog::setTopmost(bool topmost) {
    if (hwnd_ != nullptr)
        SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Dialog::onInitDialog() {}

void Dialog::onCommand(WORD id, WORD code) {
    if (id == IDOK)
        close(true);
    else if (id == IDCANCEL)
        close(false);
}

INT_PTR Dialog::dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND)
        return FALSE;
    onCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
}

bool Dialog::runModal() {
    modeless_ = false;
    HWND parent = owner_ != nullptr ? owner_->handle() : nullptr;
    const app::Application::ModalLoop loop([this] { close(false); });
    const INT_PTR answer =
        DialogBoxParamA(app::Application::current()->instanceHandle(), MAKEINTRESOURCEA(templateId_), parent,
                        dialogProc, reinterpret_cast<LPARAM>(this));
    // The platform has destroyed the box by now.
    hwnd_ = nullptr;
    if (answer == -1)
        throw util::Exception("Could not create Dialog");
    return result_;
}

void Dialog::showModeless() {
    modeless_ = true;
    HWND parent = owner_ != nullptr ? owner_->handle() : nullptr;
    HWND created =
        CreateDialogParamA(app::Application::current()->instanceHandle(), MAKEINTRESOURCEA(templateId_),
                           parent, dialogProc, reinterpret_cast<LPARAM>(this));
    if (created == nullptr)
        util::raiseError(GetLastError(), "Creating Dialog");
    hwnd_ = created;
    ShowWindow(hwnd_, modelessShowCommand_);
}

INT_PTR CALLBACK Dialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // The platform called us: an exception must not unwind through its frames.
    try {
        return route(dialog, message, wParam, lParam);
    } catch (const util::Exception& e) {
        logUnexpected(e.message().c_str());
    } catch (const std::exception& e) {
        logUnexpected(e.what());
    } catch (...) {
        logUnexpected("Unknown exception in a dialog\n");
    }
    return FALSE;
}

INT_PTR Dialog::route(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* object = objectOf(dialog);
    switch (message) {
    case WM_INITDIALOG:
        object = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        if (object != nullptr) {
            object->hwnd_ = dialog;
            object->onInitDialog();
        }
        // TRUE asks the platform to give the focus to the dialog, which also activates it: not for one that
        // shows without taking the keyboard (a score card), or it would later close as the active window
        // and the platform would hand the keyboard on, away from the program the user works in.
        return object == nullptr || object->modelessShowCommand_ != SW_SHOWNA;
    case WM_DESTROY: {
        if (object == nullptr)
            return FALSE;
        const INT_PTR handled = object->dialogMessage(dialog, message, wParam, lParam);
        // Destroyed by the platform (an owner going, say) rather than by close.
        object->detach();
        object->hwnd_ = nullptr;
        return handled;
    }
    case WM_ACTIVATE: {
        app::Application* application = app::Application::current();
        application->setActiveDialog(LOWORD(wParam) != WA_INACTIVE ? object : nullptr);
        break;
    }
    default:
        break;
    }
    return object != nullptr ? object->dialogMessage(dialog, message, wParam, lParam) : FALSE;
}

} // namespace tamba::gui
