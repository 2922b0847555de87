#pragma once

#include "gui/SequenceSprite.h"

#include <cstdint>

namespace tamba::games {

// The caber thrower's pictures; while running it carries its window left, a few pixels a frame, up to a
// stop x that the window's left edge never passes.
class RunUpSprite : public gui::SequenceSprite {
public:
    static constexpr int firstPicture = 600;
    static constexpr int pictureCount = 13;
    static constexpr std::int32_t runStep = 4;

    RunUpSprite();

    // 1 runs, 0 stands; either way the run-up counts as not yet done.
    void setMode(std::int32_t mode);
    void setStopX(std::int32_t x) { stopX_ = x; }
    bool isFinished() override;
    bool adjustPosition(RECT& rect) override;

    std::int32_t stopX() const { return stopX_; }
    std::int32_t mode() const { return mode_; }
    bool done() const { return done_; }

private:
    std::int32_t step_;
    std::int32_t stopX_;
    std::int32_t mode_;
    bool done_;
};

} // namespace tamba::games
