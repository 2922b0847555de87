#include "app/PopupMenu.h"

#include "app/Application.h"
#include "app/CustomWindow.h"
#include "tamba_util/Exception.h"

namespace tamba::app {

namespace {
HMENU loadMenu(int resourceId) {
    HMENU menu = LoadMenuA(Application::current()->instanceHandle(), MAKEINTRESOURCEA(resourceId));
    if (menu == nullptr)
        throw util::Exception("Could not create menu");
    return menu;
}
} // namespace

PopupMenu::PopupMenu(int resourceId) : Menu(loadMenu(resourceId)), submenu_(GetSubMenu(menu_, 0)) {}

void PopupMenu::popUp(CustomWindow& owner, int x, int y) {
    if (submenu_ == nullptr)
        return;
    SetForegroundWindow(owner.handle());
    TrackPopupMenu(submenu_, TPM_LEFTBUTTON, x, y, 0, owner.handle(), nullptr);
    // Without this the menu does not close properly when the user clicks elsewhere.
    PostMessageA(owner.handle(), WM_NULL, 0, 0);
}

} // namespace tamba::app
