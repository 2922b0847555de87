#pragma once

#include "gui/GdiHandle.h"

#include <windows.h>

namespace tamba::gui {

class Sprite;

// The window a sprite shows in, as the sprite (and a game's own sprite code) sees it.
class SpriteHost {
public:
    virtual void getWindowRect(RECT& rect) = 0;
    // Moves and sizes the window and puts it on top of all windows, or at the bottom.
    virtual void setWindowPos(int x, int y, int width, int height, bool topmost) = 0;
    virtual void moveWindowTo(int x, int y, bool topmost) = 0;
    // Takes the region over as the window's outline, releasing it from the wrapper once the window has
    // accepted it. A region the window refused stays in the wrapper, and so with the caller.
    virtual void setWindowRegion(GdiHandle<HRGN>& region) = 0;
    // The sprite is being destroyed while still attached: the host must not reach it again.
    virtual void forgetSprite(Sprite& sprite) = 0;

protected:
    ~SpriteHost() = default;
};

} // namespace tamba::gui
