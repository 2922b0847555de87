#include "games/caber/CaberTargetWindow.h"

namespace tamba::games {

CaberTargetWindow::CaberTargetWindow(gui::Timer& timer)
    : SpriteWindow("CaberTargetWindow", timer, 0, 0), sprite_(1, picture, picture, 0) {
    setSprite(&sprite_);
}

} // namespace tamba::games
