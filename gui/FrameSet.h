#pragma once

#include "gui/GdiHandle.h"

#include <vector>
#include <windows.h>

namespace tamba::gui {

// One run of animation frames from the program's resources: frame i is the bitmap numbered
// firstBitmapId + i and the REGION outline numbered firstRegionId + i (16-bit numbers, taken modulo 65536),
// in their versions drawn for the display scale current when the set is loaded. Everything is loaded
// together at the first use, once; outlines are used in place in the mapped resources.
class FrameSet {
public:
    FrameSet(int count, int firstBitmapId, int firstRegionId);
    FrameSet(const FrameSet&) = delete;
    FrameSet& operator=(const FrameSet&) = delete;
    FrameSet(FrameSet&& other) noexcept;
    FrameSet& operator=(FrameSet&&) = delete;
    ~FrameSet();

    int count() const { return count_; }
    int firstBitmapId() const { return firstBitmapId_; }
    int firstRegionId() const { return firstRegionId_; }
    bool loaded() const { return loaded_; }
    // Whether the toy's scale is another than the one the frames were loaded at.
    bool stale() const;

    // Throws "Could not load bitmap <n>" or "Could not load region <n>"; a failed load is not retried,
    // and the frames before the failure keep their bitmaps.
    void load();
    // Deletes the bitmaps and forgets the tables; runs when the set goes. Afterwards the set is unloaded:
    // its next use loads it again.
    void unload();

    // In logical (100 %) pixels. Leaves size as it was for an index outside the set.
    void frameSize(int index, SIZE& size);
    void firstFrameSize(SIZE& size) { frameSize(0, size); }

    // The index must be inside the set. The bitmaps, their descriptions and the outlines are in screen
    // pixels, at the scale the set was loaded at.
    HBITMAP bitmap(int index);
    const BITMAP& description(int index);
    // Null, with size 0, for a frame whose outline resource is empty or could not be loaded.
    const RGNDATA* outline(int index);
    DWORD outlineSize(int index);

private:
    void ensureLoaded() {
        if (!loaded_)
            load();
    }

    int count_;
    int firstBitmapId_;
    int firstRegionId_;
    std::vector<BITMAP> descriptions_;
    std::vector<GdiHandle<HBITMAP>> bitmaps_;
    std::vector<const RGNDATA*> outlines_; // not owned: the module's mapped resource data
    std::vector<DWORD> outlineSizes_;
    bool loaded_;
    int percent_ = 100;
};

} // namespace tamba::gui
