#include "gui/CyclingSprite.h"

namespace tamba::gui {

CyclingSprite::CyclingSprite(int count, int firstBitmapId, int firstRegionId, int repeat)
    : Sprite(count, firstBitmapId, firstRegionId), repeat_(repeat), loops_(0) {}

void CyclingSprite::advance(bool topmost) {
    const int next = (currentFrame() + 1) % frameSet().count();
    if (next == 0)
        ++loops_;
    selectFrame(next, topmost, nullptr);
}

void CyclingSprite::rewind(bool topmost) {
    loops_ = 0;
    selectFrame(0, topmost, nullptr);
}

bool CyclingSprite::isFinished() {
    if (repeat_ <= 0)
        return false;
    return loops_ > repeat_ - 1 || (loops_ == repeat_ - 1 && currentFrame() == frameSet().count() - 1);
}

} // namespace tamba::gui
