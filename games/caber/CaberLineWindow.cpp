#include "games/caber/CaberLineWindow.h"

namespace tamba::games {

CaberLineWindow::CaberLineWindow(gui::Timer& timer)
    : SpriteWindow("CaberLineWindow", timer, 0, 0), sprite_(1, picture, picture, 0) {
    setSprite(&sprite_);
}

} // namespace tamba::games
