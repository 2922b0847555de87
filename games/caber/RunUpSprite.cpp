#include "games/caber/RunUpSprite.h"

namespace tamba::games {

RunUpSprite::RunUpSprite()
    : SequenceSprite(pictureCount, firstPicture, firstPicture), step_(runStep), stopX_(0), mode_(0),
      done_(false) {}

void RunUpSprite::setMode(std::int32_t mode) {
    mode_ = mode;
    step_ = runStep;
    done_ = false;
}

bool RunUpSprite::isFinished() {
    return done_ || SequenceSprite::isFinished();
}

bool RunUpSprite::adjustPosition(RECT& rect) {
    if (mode_ != 1)
        return false;
    if (rect.left > stopX_) {
        rect.left -= step_;
        rect.right -= step_;
        return true;
    }
    done_ = true;
    return false;
}

} // namespace tamba::games
