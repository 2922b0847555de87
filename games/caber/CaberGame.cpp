#include "games/caber/CaberGame.h"

#include "app/Application.h"
#include "games/PictureDialog.h"
#include "games/ScoreCard.h"
#include "games/WebAddress.h"
#include "gui/SoundEffects.h"
#include "tamba_util/Exception.h"
#include "tamba_util/UrlParts.h"

#include <cstring>

namespace tamba::games {

constexpr POINT CaberGame::groundContact;

namespace {
constexpr int instructionsPicture = 108;
constexpr int scoreBoard = 111;
constexpr int outerRingRegion = 115;
constexpr int middleRingRegion = 116;
constexpr int centreRegion = 117;

SIZE firstFrameSize(gui::Sprite* sprite) {
    SIZE size = {0, 0};
    if (sprite != nullptr)
        sprite->frameSet().firstFrameSize(size);
    return size;
}

bool contains(const gui::Region& region, POINT p) {
    return region.handle() != nullptr && PtInRegion(region.handle(), p.x, p.y);
}
} // namespace

CaberGame::CaberGame(gui::Timer& timer, app::FleebaApp* app)
    : caber_(timer, this), fleeba_(timer, app, &caber_, this), line_(timer), target_(timer),
      outerRing_(outerRingRegion), middleRing_(middleRingRegion), centre_(centreRegion),
      pause_(pauseMs, false), showInstructions_([] { PictureDialog(instructionsPicture).runModal(); }) {
    caber_.setFleeba(&fleeba_);
    pause_.addListener(this);
}

CaberGame::~CaberGame() {
    pause_.stop();
    card_.reset();
}

void CaberGame::start() {
    startSeries(true);
}

void CaberGame::stop() {
    pause_.stop();
    card_.reset();
    target_.hide();
    line_.hide();
    fleeba_.hide();
    caber_.endFlight();
    results_.clear();
}

void CaberGame::startSeries(bool showInstructions) {
    pause_.stop();
    results_.clear();
    if (showInstructions)
        showInstructions_();
    card_.reset();
    // This also runs from the pause timer's tick: a card that cannot be made must not unwind through its
    // window. The throws are still played and counted.
    try {
        card_ = std::make_unique<ScoreCard>(scoreBoard, POINT{35, 122}, POINT{90, 122}, 26, true, "",
                                            util::UrlParts(webAddress));
        card_->showModeless();
    } catch (const util::Exception& e) {
        app::Application::current()->logger().log("%s", e.message().c_str());
    }
    caber_.resetFlight();
    fleeba_.prepareThrow();

    const RECT& area = app::Application::current()->playArea();
    const int width = area.right - area.left;
    RECT f;
    fleeba_.windowRect(f);
    const SIZE fs = firstFrameSize(fleeba_.sprite());
    const SIZE ts = firstFrameSize(target_.sprite());
    const SIZE ls = firstFrameSize(line_.sprite());
    target_.moveTo(area.left + width / 3 - ts.cx / 2, f.top + fs.cy - ts.cy / 2);
    line_.moveTo(area.left + width * 3 / 4 + ls.cx / 2, f.top + fs.cy - ls.cy / 2);
    target_.show();
    line_.show();
    // The first series takes the keyboard for the thrower; a later one keeps it with the thrower, but
    // never takes it from a program the user turned to in the pause.
    if (showInstructions || gui::ToyWindows::haveForeground())
        fleeba_.takeKeyboard();
    fleeba_.setLine(line_);
}

void CaberGame::noThrow() {
    gui::SoundEffects::play(gui::SoundEffects::noThrow);
    results_.append("No Throw");
    caber_.endFlight();
    recordResult();
}

void CaberGame::caberLanded(int x, int y) {
    RECT t;
    target_.windowRect(t);
    const POINT p = {x + groundContact.x - t.left, y + groundContact.y - t.top};
    const char* text = "0";
    if (contains(outerRing_, p))
        text = "10";
    else if (contains(middleRing_, p))
        text = "25";
    else if (contains(centre_, p))
        text = "50";
    gui::SoundEffects::play(std::strcmp(text, "50") == 0 ? gui::SoundEffects::cheer
                                                         : gui::SoundEffects::thud);
    results_.append(text);
    caber_.endFlight();
    recordResult();
}

void CaberGame::recordResult() {
    const unsigned n = results_.count() - 1;
    if (card_ != nullptr)
        card_->setEntry(n, results_[n]);
    if (results_.count() < throwsPerSeries) {
        fleeba_.prepareThrow();
    } else {
        fleeba_.finishSeries();
        pause_.start();
    }
}

void CaberGame::tick(gui::Timer& timer) {
    pause_.stop();
    startSeries(false);
}

} // namespace tamba::games
