#include "games/fishing/FishingGame.h"

#include "app/Application.h"
#include "games/PictureDialog.h"
#include "games/ScoreCard.h"
#include "games/WebAddress.h"
#include "gui/SoundEffects.h"
#include "tamba_util/UrlParts.h"

namespace tamba::games {

namespace {
struct FishRow {
    int pair;
    bool headsRight;
    int kind;
};
const FishRow fishTable[FishingGame::fishCount] = {
    {5, false, 2}, {0, true, 0},  {3, false, 0}, {1, true, 1},  {4, false, 1},
    {2, true, 2},  {5, false, 2}, {0, true, 0},  {3, false, 0}, {1, true, 1},
};
constexpr int instructionsPicture = 107;
constexpr int scoreBoard = 110;
constexpr int islandTop = 100;
constexpr int stackDepth = 180; // the caught fish stack up from this far below the island's top
constexpr int stackColumn = 5;

SIZE firstFrameSize(gui::Sprite& sprite) {
    SIZE size = {0, 0};
    sprite.frameSet().firstFrameSize(size);
    return size;
}
} // namespace

FishingGame::FishingGame(gui::Timer& timer, app::FleebaApp* app)
    : island_(timer, app), diver_(timer, this, app, &fish_, &island_), clock_(&GetTickCount),
      showInstructions_([] { PictureDialog(instructionsPicture).runModal(); }) {
    for (const FishRow& row : fishTable)
        fish_.append(new FishWindow(timer, row.pair, 0, row.headsRight, row.kind));
    placeRows();
}

void FishingGame::placeRows() {
    // The rows fill the lower half of the monitor the game plays on.
    const RECT& area = app::Application::current()->playArea();
    const int half = (area.bottom - area.top) / 2;
    int y = area.top + half;
    const int step = half / fishCount;
    for (unsigned i = 0; i < fish_.count(); ++i) {
        fish_[i]->setRow(y);
        y += step;
    }
}

FishingGame::~FishingGame() {
    card_.reset();
    // The diver goes before the island, with no stop first at exit: a focus change meanwhile must not
    // reach it through the island.
    island_.setDiverWindow(nullptr);
}

void FishingGame::start() {
    showInstructions_();
    card_.reset();
    totalSeconds_ = 0;
    card_ = std::make_unique<ScoreCard>(scoreBoard, POINT{39, 122}, POINT{89, 122}, 13, true, "secs",
                                        util::UrlParts(webAddress));
    card_->showModeless();
    caught_ = 0;

    const RECT& area = app::Application::current()->playArea();
    const int middle = area.left + (area.right - area.left) / 2;
    const int top = area.top + islandTop;
    const SIZE diver = firstFrameSize(diver_.sprite());
    const SIZE island = firstFrameSize(island_.sprite());
    // The island's bottom edge lines up with the diver window's.
    diver_.moveTo(middle - diver.cx / 2 - 7, top);
    island_.moveTo(middle - island.cx / 2, diver.cy - island.cy + top);
    island_.prepareForPlay();
    placeRows();
    for (unsigned i = 0; i < fish_.count(); ++i)
        fish_[i]->reset();
    island_.setDiverWindow(&diver_);
    diver_.prepareForPlay();
    startTick_ = clock_();
    diver_.takeKeyboard();
}

void FishingGame::stop() {
    card_.reset();
    diver_.hide();
    for (unsigned i = 0; i < fish_.count(); ++i)
        fish_[i]->hide();
    island_.hide();
}

void FishingGame::fishCaught(FishWindow* fish) {
    fish->elapsed = static_cast<int>(clock_() - startTick_);
    RECT island;
    island_.windowRect(island);
    const SIZE size = firstFrameSize(fish->sprite());
    int x, n;
    if (caught_ < stackColumn) {
        x = island.left;
        n = caught_ + 1;
    } else {
        x = island.left - size.cx;
        n = caught_ - (stackColumn - 1);
    }
    fish->moveTo(x, stackDepth - n * size.cy + island.top);
    fish->show();
    fish->makeVisible();

    totalSeconds_ += fish->elapsed / 1000;
    if (card_ != nullptr)
        card_->setEntry(caught_, util::String::fromInt(totalSeconds_));
    ++caught_;
    gui::SoundEffects::play(caught_ == fishCount ? gui::SoundEffects::flourish
                                                 : gui::SoundEffects::fishLands);
    if (caught_ == fishCount) {
        diver_.finish();
        island_.showFinished();
    } else if (gui::ToyWindows::haveForeground()) {
        // Back to the diver, from the island or the card, say; never from the program the user turned to.
        diver_.takeKeyboard();
    }
}

} // namespace tamba::games
