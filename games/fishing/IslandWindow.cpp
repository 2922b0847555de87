#include "games/fishing/IslandWindow.h"

#include "app/FleebaApp.h"
#include "games/WebAddress.h"
#include "games/fishing/FishingFleebaWindow.h"
#include "tamba_util/LinkOpener.h"
#include "tamba_util/UrlParts.h"

namespace tamba::games {

namespace {
const int homeFrames[] = {2};
const int divingFrames[] = {0};
const int finishedFrames[] = {1};
constexpr int firstIsland = 100;
constexpr int islandFrames = 3;
} // namespace

const gui::FrameSequence IslandWindow::home = {0, homeFrames, 1, nullptr};
const gui::FrameSequence IslandWindow::diving = {0, divingFrames, 1, nullptr};
const gui::FrameSequence IslandWindow::finishedSequence = {0, finishedFrames, 1, nullptr};

IslandWindow::IslandWindow(gui::Timer& timer, app::FleebaApp* app)
    : SpriteWindow("IslandWindow", timer, 0, 0), sprite_(islandFrames, firstIsland, firstIsland), app_(app),
      diver_(nullptr), finished_(false) {
    setSprite(&sprite_);
}

void IslandWindow::prepareForPlay() {
    sprite_.setSequence(&home);
    finished_ = false;
    makeVisible();
    show();
}

void IslandWindow::setDiverAtHome(bool atHome) {
    sprite_.setSequence(atHome ? &home : &diving);
}

void IslandWindow::showFinished() {
    sprite_.setSequence(&finishedSequence);
    finished_ = true;
}

LRESULT IslandWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
        // The keys belong to the diver, whatever the user clicked.
        if (diver_ != nullptr)
            diver_->focus();
        return 0;
    }
    if (message == WM_LBUTTONUP && finished_)
        util::openLink(handle(), util::UrlParts(webAddress));
    return SpriteWindow::handleMessage(window, message, wParam, lParam);
}

gui::SpriteWindow* IslandWindow::keyWindow() {
    if (diver_ == nullptr || finished_)
        return nullptr;
    return diver_;
}

void IslandWindow::onContextMenu(int x, int y) {
    if (app_ != nullptr)
        app_->showMenu(x, y);
}

} // namespace tamba::games
