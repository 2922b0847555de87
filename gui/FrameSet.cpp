#include "gui/FrameSet.h"

#include "app/Application.h"
#include "gui/Scale.h"
#include "tamba_util/Exception.h"

#include <utility>

namespace tamba::gui {

namespace {
// Resource numbers are 16-bit; the sum wraps the way the resource lookup does.
int resourceNumber(int first, int index) {
    return static_cast<int>(static_cast<unsigned>(first) + static_cast<unsigned>(index));
}

LPCSTR resourceName(int number) {
    return MAKEINTRESOURCEA(static_cast<WORD>(number));
}
} // namespace

FrameSet::FrameSet(int count, int firstBitmapId, int firstRegionId)
    : count_(count), firstBitmapId_(firstBitmapId), firstRegionId_(firstRegionId), loaded_(false) {}

FrameSet::FrameSet(FrameSet&& other) noexcept
    : count_(std::exchange(other.count_, 0)), firstBitmapId_(other.firstBitmapId_),
      firstRegionId_(other.firstRegionId_), descriptions_(std::move(other.descriptions_)),
      bitmaps_(std::move(other.bitmaps_)), outlines_(std::move(other.outlines_)),
      outlineSizes_(std::move(other.outlineSizes_)), loaded_(other.loaded_), percent_(other.percent_) {}

FrameSet::~FrameSet() {
    unload();
}

void FrameSet::load() {
    if (loaded_)
        return;
    // Set first: a load that fails part-way is never retried.
    loaded_ = true;
    percent_ = Scale::percent();
    const int count = count_ > 0 ? count_ : 0;
    descriptions_.assign(count, BITMAP{});
    bitmaps_.resize(count);
    outlines_.assign(count, nullptr);
    outlineSizes_.assign(count, 0);

    const HINSTANCE instance = app::Application::current()->instanceHandle();
    for (int i = 0; i < count; ++i) {
        const int bitmapNumber = Scale::resource(resourceNumber(firstBitmapId_, i), percent_);
        bitmaps_[i].reset(LoadBitmapA(instance, resourceName(bitmapNumber)));
        if (!bitmaps_[i])
            throw util::Exception("Could not load bitmap " + util::String::fromInt(bitmapNumber));
        GetObjectA(bitmaps_[i].get(), sizeof(BITMAP), &descriptions_[i]);

        const int regionNumber = Scale::resource(resourceNumber(firstRegionId_, i), percent_);
        HRSRC found = FindResourceA(instance, resourceName(regionNumber), "REGION");
        if (found == nullptr)
            throw util::Exception("Could not load region " + util::String::fromInt(regionNumber));
        HGLOBAL data = LoadResource(instance, found);
        if (data == nullptr)
            continue;
        const DWORD size = SizeofResource(instance, found);
        if (size == 0)
            continue;
        outlines_[i] = static_cast<const RGNDATA*>(LockResource(data));
        outlineSizes_[i] = outlines_[i] != nullptr ? size : 0;
    }
}

void FrameSet::unload() {
    if (!loaded_)
        return;
    // Swapping with empty tables frees their storage; the bitmaps go with their handles.
    std::vector<GdiHandle<HBITMAP>>().swap(bitmaps_);
    std::vector<BITMAP>().swap(descriptions_);
    std::vector<const RGNDATA*>().swap(outlines_);
    std::vector<DWORD>().swap(outlineSizes_);
    loaded_ = false;
}

void FrameSet::frameSize(int index, SIZE& size) {
    ensureLoaded();
    if (index < 0 || static_cast<unsigned>(index) >= descriptions_.size())
        return;
    // A picture drawn at a scale is its 100 % size times the scale, rounded: dividing rounds back.
    size.cx = (descriptions_[index].bmWidth * 100 + percent_ / 2) / percent_;
    size.cy = (descriptions_[index].bmHeight * 100 + percent_ / 2) / percent_;
}

bool FrameSet::stale() const {
    return loaded_ && percent_ != Scale::percent();
}

HBITMAP FrameSet::bitmap(int index) {
    ensureLoaded();
    return bitmaps_[index].get();
}

const BITMAP& FrameSet::description(int index) {
    ensureLoaded();
    return descriptions_[index];
}

const RGNDATA* FrameSet::outline(int index) {
    ensureLoaded();
    return outlines_[index];
}

DWORD FrameSet::outlineSize(int index) {
    ensureLoaded();
    return outlineSizes_[index];
}

} // namespace tamba::gui
