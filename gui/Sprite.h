#pragma once

#include "gui/FrameSet.h"
#include "gui/MemoryDeviceContext.h"

#include <windows.h>

namespace tamba::gui {

class SpriteHost;

// One animation: its frames, a memory device context holding the current frame's bitmap, and the window
// it is shown in. Selecting a frame moves the window so that the frame's offset point keeps its place,
// sizes it and gives it the frame's outline, each only when needed. Subclasses decide how frames advance
// and when the animation is finished.
class Sprite {
public:
    // Throws "Could not create bitmap dc", or the frame set's load errors; a count below 1 is refused with
    // "Could not create sprite with frame count <n>".
    Sprite(int count, int firstBitmapId, int firstRegionId);
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;
    virtual ~Sprite();

    virtual void advance(bool topmost) = 0;
    virtual void rewind(bool topmost);
    virtual bool isFinished() = 0;
    // Attaching rewinds, so the window is placed anew with the first frame; none detaches.
    virtual void attach(SpriteHost* host, bool topmost);
    virtual void paint(HDC dc, int x, int y);
    // May move the rectangle's left and top; returns true to have the window placed there.
    virtual bool adjustPosition(RECT& rect);

    // offset: the frame's reference point, or null; kept by pointer, so it must outlive its use.
    void selectFrame(int index, bool topmost, const POINT* offset);

    // When the toy's scale changed since the frames were loaded: loads them again, and places and shapes
    // the window for the current frame where it stands.
    void refit(bool topmost);

    int currentFrame() const { return currentFrame_; }
    SpriteHost* host() const { return host_; }
    FrameSet& frameSet() { return frames_; }

private:
    // Loads the frames again when the toy's scale changed since they were loaded; true if it did. The
    // window is then placed and shaped anew with the next frame.
    bool followScale();

    SpriteHost* host_; // not owned: the window this sprite is shown in
    FrameSet frames_;  // before the context: its bitmaps must outlive their selection
    MemoryDeviceContext dc_;
    int currentFrame_;
    const POINT* frameOffset_; // not owned: a point of the sequence being played
    bool placed_;
    // The outline the window took last (the frame set's resource data, not owned), so that a frame with
    // the very same outline (a blink, a glance) costs no new region: under Wine that is most of a change.
    const RGNDATA* outlineShown_;
    DWORD outlineShownSize_;
};

} // namespace tamba::gui
