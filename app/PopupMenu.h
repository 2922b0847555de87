#pragma once

#include "app/Menu.h"

namespace tamba::app {

class CustomWindow;

// A menu resource whose first submenu is shown at the mouse; the chosen command is posted to the owner
// window as WM_COMMAND.
class PopupMenu : public Menu {
public:
    explicit PopupMenu(int resourceId);

    // Returns when the user has chosen an entry or dismissed the menu.
    void popUp(CustomWindow& owner, int x, int y);

    HMENU submenu() const { return submenu_; }

private:
    HMENU submenu_; // not owned: destroyed with the loaded menu
};

} // namespace tamba::app
