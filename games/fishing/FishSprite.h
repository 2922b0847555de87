#pragma once

#include "gui/SequenceSprite.h"

namespace tamba::games {

class FishWindow;

// A fish's animation; on every frame step it also swims its window sideways and wobbles it about its row.
class FishSprite : public gui::SequenceSprite {
public:
    FishSprite(int pair, FishWindow& owner, int baseY);

    bool adjustPosition(RECT& rect) override;
    void setBaseY(int baseY) { baseY_ = baseY; }

    bool hooked = false;
    // The fish keeps still for the tick after a reset.
    int started = 0;

private:
    FishWindow* owner_; // not owned: the window that owns this sprite
    int baseY_;
};

} // namespace tamba::games
