#pragma once

#include "gui/Window.h"

#include <windows.h>

namespace tamba::gui {

// One dialog box from a template in the program's resources, modal or modeless. Every box shares one
// dialog procedure, which finds this object through the box's user slot and hands it each message.
// Once the dialog is closed or destroyed the slot is cleared and no message reaches the object again;
// nor does the application's active-dialog pointer keep pointing at it. A box is one of the toy's windows
// for as long as its object lives, so that it keeps out of the top-most band where the toy's other windows
// do. A modal loop of a box is one of the toy's, which the application can ask to end (as Cancel).
class Dialog : public Window {
public:
    // The owner may be null. A modal dialog's object must outlive runModal.
    Dialog(Window* owner, int templateId);
    ~Dialog() override;

    // Out of the band, a box stays among the other programs' windows, where the user can reach it.
    void setTopmost(bool topmost) override;

    // Ends the dialog: a modeless box is destroyed, a modal one ends runModal with the result.
    virtual void close(bool result);
    // Called once the box exists and its handle is stored.
    virtual void onInitDialog();
    // OK closes with true, Cancel (and the Escape key) with false.
    virtual void onCommand(WORD id, WORD code);
    // The dialog procedure's answer: whether the message was handled, or for the WM_CTLCOLOR* messages the
    // brush to paint a control's background with.
    virtual INT_PTR dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // Runs the dialog modally; returns the value given to close. Throws Exception
    // "Could not create Dialog" when there is no box.
    bool runModal();
    // Creates the box, shows it and returns at once. Throws the "Error while Creating Dialog:" text.
    void showModeless();

    bool result() const { return result_; }
    bool modeless() const { return modeless_; }

protected:
    // How showModeless shows the box: SW_SHOW unless a derived dialog must not take the keyboard.
    void setModelessShowCommand(int command) { modelessShowCommand_ = command; }

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR route(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // Clears the user slot and the application's active dialog if it is this one.
    void detach();

    Window* owner_; // not owned: outlives the dialog
    int templateId_;
    bool result_;
    bool modeless_;
    int modelessShowCommand_ = SW_SHOW;
};

} // namespace tamba::gui
