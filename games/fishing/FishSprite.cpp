#include "games/fishing/FishSprite.h"

#include "games/fishing/FishWindow.h"

#include <cstdlib>
#include <ctime>

namespace tamba::games {

namespace {
constexpr int firstFish = 300;
constexpr int framesPerFish = 2;
// How far a fish may wobble away from its row.
constexpr int wobbleLimit = 15;
} // namespace

FishSprite::FishSprite(int pair, FishWindow& owner, int baseY)
    : SequenceSprite(framesPerFish, firstFish + framesPerFish * pair, firstFish + framesPerFish * pair),
      owner_(&owner), baseY_(baseY) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

bool FishSprite::adjustPosition(RECT& rect) {
    if (hooked)
        return false;
    if (started == 0) {
        started = 1;
        return false;
    }
    const int d = std::rand() % 8 + 1;
    int x = rect.left;
    if (owner_->headsRight()) {
        x += d;
        if (x > owner_->limitX)
            x = owner_->wrapX;
    } else {
        x -= d;
        if (x < owner_->limitX)
            x = owner_->wrapX;
    }
    rect.right += x - rect.left;
    rect.left = x;

    const int e = 4 - std::rand() % 8;
    if (std::abs(static_cast<int>(rect.top) + e - baseY_) < wobbleLimit) {
        rect.top += e;
        rect.bottom += e;
    }
    return true;
}

} // namespace tamba::games
