#pragma once

#include <windows.h>

namespace tamba::app {

// Owns a menu handle and destroys it (with its submenus) once.
class Menu {
public:
    explicit Menu(HMENU menu) : menu_(menu) {}
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    virtual ~Menu();

    HMENU handle() const { return menu_; }

protected:
    HMENU menu_; // owned
};

} // namespace tamba::app
