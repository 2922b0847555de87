#pragma once

#include "gui/FrameSequence.h"
#include "gui/Sprite.h"

namespace tamba::gui {

// Plays a FrameSequence: one entry per advance, passes counted against the sequence's repeat.
class SequenceSprite : public Sprite {
public:
    SequenceSprite(int count, int firstBitmapId, int firstRegionId);

    void advance(bool topmost) override;
    void rewind(bool topmost) override;
    // True without a sequence; never for a sequence played for ever.
    bool isFinished() override;

    // Selects no frame: the next advance or rewind shows the sequence. A new sequence starts with its first
    // entry on the next advance; setting the one being played only starts its count again.
    void setSequence(const FrameSequence* sequence);
    const FrameSequence* sequence() const { return sequence_; }
    int index() const { return index_; }
    int loops() const { return loops_; }

private:
    const FrameSequence* sequence_; // not owned: the caller keeps it alive while it plays
    int index_;
    int loops_;
    bool firstStep_;
};

} // namespace tamba::gui
