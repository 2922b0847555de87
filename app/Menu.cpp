#include "app/Menu.h"

namespace tamba::app {

Menu::~Menu() {
    if (menu_ != nullptr)
        DestroyMenu(menu_);
}

} // namespace tamba::app
