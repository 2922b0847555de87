#pragma once

#include "gui/Sprite.h"

namespace tamba::gui {

// Plays every frame of its set in order, repeat times (0 or less: for ever).
class CyclingSprite : public Sprite {
public:
    CyclingSprite(int count, int firstBitmapId, int firstRegionId, int repeat);

    void advance(bool topmost) override;
    void rewind(bool topmost) override;
    bool isFinished() override;

    int loops() const { return loops_; }

private:
    int repeat_;
    int loops_;
};

} // namespace tamba::gui
