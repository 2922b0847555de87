#include "gui/Sprite.h"

#include "gui/SpriteHost.h"
#include "tamba_util/Exception.h"

#include <cstring>

namespace tamba::gui {

namespace {
// A sprite shows a frame from the start and steps modulo its count: it needs one.
int checkedFrameCount(int count) {
    if (count < 1)
        throw util::Exception("Could not create sprite with frame count " + util::String::fromInt(count));
    return count;
}
} // namespace

Sprite::Sprite(int count, int firstBitmapId, int firstRegionId)
    : host_(nullptr), frames_(checkedFrameCount(count), firstBitmapId, firstRegionId), currentFrame_(0),
      frameOffset_(nullptr), placed_(false), outlineShown_(nullptr), outlineShownSize_(0) {
    if (dc_.handle() == nullptr)
        throw util::Exception("Could not create bitmap dc");
    frames_.load();
    dc_.select(frames_.bitmap(0));
}

Sprite::~Sprite() {
    // The owner should have detached us; if not, the window must not keep a pointer to a dead sprite.
    if (host_ != nullptr)
        host_->forgetSprite(*this);
}

void Sprite::rewind(bool topmost) {
    frameOffset_ = nullptr;
    selectFrame(0, topmost, nullptr);
}

void Sprite::attach(SpriteHost* host, bool topmost) {
    placed_ = false;
    outlineShown_ = nullptr;
    outlineShownSize_ = 0;
    host_ = host;
    rewind(topmost);
}

bool Sprite::followScale() {
    if (!frames_.stale())
        return false;
    // The bitmap must leave the context before its set can delete it.
    dc_.deselect();
    frames_.unload();
    frames_.load();
    dc_.select(frames_.bitmap(currentFrame_));
    placed_ = false;
    outlineShown_ = nullptr;
    outlineShownSize_ = 0;
    return true;
}

void Sprite::refit(bool topmost) {
    if (followScale())
        selectFrame(currentFrame_, topmost, frameOffset_);
}

void Sprite::paint(HDC dc, int x, int y) {
    followScale();
    const BITMAP& frame = frames_.description(currentFrame_);
    BitBlt(dc, x, y, frame.bmWidth, frame.bmHeight, dc_.handle(), 0, 0, SRCCOPY);
}

bool Sprite::adjustPosition(RECT&) {
    return false;
}

void Sprite::selectFrame(int index, bool topmost, const POINT* offset) {
    followScale();
    const bool changed = !(placed_ && index == currentFrame_);
    POINT shift = {0, 0};
    if (!placed_) {
        frameOffset_ = nullptr;
    } else if (frameOffset_ != nullptr && offset != nullptr) {
        shift.x = offset->x - frameOffset_->x;
        shift.y = offset->y - frameOffset_->y;
    }
    frameOffset_ = offset;
    currentFrame_ = index;
    if (changed)
        dc_.select(frames_.bitmap(index));
    if (host_ == nullptr)
        return;

    // The window moves against the offset's change, so the reference point keeps its place on the screen.
    RECT rect;
    host_->getWindowRect(rect);
    rect.left -= shift.x;
    rect.top -= shift.y;
    const bool adjusted = adjustPosition(rect);
    if (adjusted || shift.x != 0 || shift.y != 0 || !placed_) {
        SIZE size = {0, 0};
        frames_.frameSize(index, size);
        host_->setWindowPos(rect.left, rect.top, size.cx, size.cy, topmost);
    }
    const RGNDATA* outline = frames_.outline(index);
    const DWORD outlineSize = frames_.outlineSize(index);
    const bool sameOutline =
        outlineShown_ != nullptr && outlineSize == outlineShownSize_ &&
        (outline == outlineShown_ || std::memcmp(outline, outlineShown_, outlineSize) == 0);
    if (changed && outline != nullptr && !sameOutline) {
        // Without a region (no outline, or data the platform rejects) the window keeps its outline.
        GdiHandle<HRGN> region(ExtCreateRegion(nullptr, outlineSize, outline));
        if (region) {
            host_->setWindowRegion(region);
            if (!region) {
                outlineShown_ = outline;
                outlineShownSize_ = outlineSize;
            }
        }
    }
    placed_ = true;
}

} // namespace tamba::gui
