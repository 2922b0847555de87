#include "games/golf/GolfHoleWindow.h"

#include "app/FleebaApp.h"

namespace tamba::games {

constexpr RECT GolfHoleWindow::cup;

GolfHoleWindow::GolfHoleWindow(gui::Timer& timer, app::FleebaApp* app)
    : SpriteWindow("GolfHoleWindow", timer, 0, 0), sprite_(1, picture, picture, 0), app_(app) {
    setSprite(&sprite_);
}

void GolfHoleWindow::show() {
    sprite_.rewind(topmost());
    SpriteWindow::show();
}

RECT GolfHoleWindow::cupRect() const {
    RECT rect;
    windowRect(rect);
    return RECT{rect.left + cup.left, rect.top + cup.top, rect.left + cup.right, rect.top + cup.bottom};
}

void GolfHoleWindow::onContextMenu(int x, int y) {
    if (app_ != nullptr)
        app_->showMenu(x, y);
}

} // namespace tamba::games
