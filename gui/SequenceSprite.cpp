#include "gui/SequenceSprite.h"

namespace tamba::gui {

SequenceSprite::SequenceSprite(int count, int firstBitmapId, int firstRegionId)
    : Sprite(count, firstBitmapId, firstRegionId), sequence_(nullptr), index_(0), loops_(0),
      firstStep_(true) {}

void SequenceSprite::setSequence(const FrameSequence* sequence) {
    if (sequence != sequence_) {
        sequence_ = sequence;
        firstStep_ = true;
    }
    index_ = 0;
    loops_ = 0;
}

void SequenceSprite::advance(bool topmost) {
    if (sequence_ == nullptr)
        return;
    // The first step shows the entry that setSequence or rewind left, instead of skipping it.
    if (firstStep_) {
        firstStep_ = false;
    } else {
        index_ = (index_ + 1) % sequence_->length;
        if (index_ == 0)
            ++loops_;
    }
    const POINT* offset = sequence_->offsets != nullptr ? &sequence_->offsets[index_] : nullptr;
    selectFrame(sequence_->frames[index_], topmost, offset);
}

void SequenceSprite::rewind(bool topmost) {
    loops_ = 0;
    index_ = 0;
    if (sequence_ == nullptr) {
        selectFrame(0, topmost, nullptr);
        return;
    }
    selectFrame(sequence_->frames[0], topmost, sequence_->offsets);
}

bool SequenceSprite::isFinished() {
    if (sequence_ == nullptr)
        return true;
    const int repeat = sequence_->repeat;
    if (repeat <= 0)
        return false;
    return loops_ > repeat - 1 || (loops_ == repeat - 1 && index_ == sequence_->length - 1);
}

} // namespace tamba::gui
