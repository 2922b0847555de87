#include "Catalogue.h"

#include "BallPainter.h"
#include "CaberFlightPainter.h"
#include "CaberInstructionsPainter.h"
#include "CaberScoreCardPainter.h"
#include "CaberThrowerPainter.h"
#include "CharacterPainter.h"
#include "DiverPainter.h"
#include "FishPainter.h"
#include "GolfInstructionsPainter.h"
#include "GolfScoreCardPainter.h"
#include "GolferPainter.h"
#include "HolePainter.h"
#include "InstructionsPainter.h"
#include "IslandPainter.h"
#include "OptionsPainter.h"
#include "ScoreBoardPainter.h"
#include "SplashPainter.h"
#include "TargetPainter.h"
#include "ThrowLinePainter.h"

namespace {

using Pose = CharacterPainter::Pose;
using Facing = CharacterPainter::Facing;
using Eyes = CharacterPainter::Eyes;
using Mouth = CharacterPainter::Mouth;

} // namespace

Catalogue::Catalogue() {
    addIsland();
    addOptions();
    addFishingPanels();
    addIdle();
    addSplash();
    addFish();
    addDiver();
    addGolfPanels();
    addGolfCourse();
    addGolfer();
    addCaberPanels();
    addCaberField();
    addCaberThrower();
    addCaberFlight();
}

void Catalogue::addIdle() {
    auto frame = [](Pose pose) { return [pose](Canvas& c) { CharacterPainter().paintIdle(c, pose); }; };
    Set set{"idle", Quantizer::Dither::None, {}};
    set.pictures.push_back({200, 83, 120, true, true, frame({Facing::Left, Eyes::Open, Mouth::Smile})});
    set.pictures.push_back({201, 83, 120, true, true, frame({Facing::Left, Eyes::Closed, Mouth::Smile})});
    set.pictures.push_back({202, 83, 120, true, true, frame({Facing::Right, Eyes::Open, Mouth::Grin})});
    sets_.push_back(set);
}

void Catalogue::addSplash() {
    auto frame = [](Pose pose) { return [pose](Canvas& c) { SplashPainter().paint(c, pose); }; };
    Set set{"splash", Quantizer::Dither::Light, {}};
    set.pictures.push_back({221, 501, 316, true, true, frame({Facing::Right, Eyes::Open, Mouth::Smile})});
    set.pictures.push_back({222, 501, 316, true, true, frame({Facing::Right, Eyes::Closed, Mouth::Smile})});
    set.pictures.push_back({223, 501, 316, true, true, frame({Facing::Left, Eyes::Open, Mouth::Grin})});
    sets_.push_back(set);
}

void Catalogue::addOptions() {
    Set set{"options", Quantizer::Dither::Light, {}};
    set.pictures.push_back({103, 362, 316, true, false, [](Canvas& c) { OptionsPainter().paint(c); }});
    sets_.push_back(set);
}

void Catalogue::addFish() {
    // 300-305 face right, 306-311 left; two frames per kind, the second with the tail flicked.
    Set set{"fish", Quantizer::Dither::None, {}};
    for (int i = 0; i < 12; ++i) {
        const bool right = i < 6;
        const int kind = (i % 6) / 2;
        const bool flick = i % 2 == 1;
        set.pictures.push_back(
            {300 + i, 37, 29, true, true, [=](Canvas& c) { FishPainter(kind).paint(c, right, flick); }});
    }
    sets_.push_back(set);
}

void Catalogue::addDiver() {
    Set set{"diver", Quantizer::Dither::None, {}};
    for (int i = 0; i < DiverPainter::frames; ++i)
        set.pictures.push_back({400 + i, DiverPainter::width, DiverPainter::height, true, true,
                                [i](Canvas& c) { DiverPainter().paint(c, i); }});
    sets_.push_back(set);
}

void Catalogue::addIsland() {
    // 100 the island alone, 101 with the character and a flag inviting a click, 102 with the character.
    Set set{"island", Quantizer::Dither::None, {}};
    const int w = IslandPainter::width, h = IslandPainter::height;
    set.pictures.push_back(
        {100, w, h, true, true, [](Canvas& c) { IslandPainter().paint(c, false, false); }});
    set.pictures.push_back({101, w, h, true, true, [](Canvas& c) { IslandPainter().paint(c, true, true); }});
    set.pictures.push_back({102, w, h, true, true, [](Canvas& c) { IslandPainter().paint(c, true, false); }});
    sets_.push_back(set);
}

void Catalogue::addFishingPanels() {
    Set instructions{"fishing instructions", Quantizer::Dither::Light, {}};
    instructions.pictures.push_back(
        {107, 363, 316, true, false, [](Canvas& c) { InstructionsPainter().paint(c); }});
    sets_.push_back(instructions);
    Set scores{"fishing scores", Quantizer::Dither::Light, {}};
    scores.pictures.push_back({110, 362, 316, true, false, [](Canvas& c) { ScoreBoardPainter().paint(c); }});
    sets_.push_back(scores);
}

void Catalogue::addGolfer() {
    // One set for all sixteen aims, so turning the golfer never changes its colours.
    Set set{"golfer", Quantizer::Dither::None, {}};
    const int n = GolferPainter::size;
    for (int aim = 0; aim < GolferPainter::aims; ++aim)
        for (int pose = 0; pose < GolferPainter::poses; ++pose)
            set.pictures.push_back({GolferPainter::picture(aim, pose), n, n, true, true,
                                    [=](Canvas& c) { GolferPainter().paint(c, aim, pose); }});
    sets_.push_back(set);
}

void Catalogue::addGolfCourse() {
    Set hole{"hole", Quantizer::Dither::None, {}};
    hole.pictures.push_back({700, HolePainter::width, HolePainter::height, true, true,
                             [](Canvas& c) { HolePainter().paint(c); }});
    sets_.push_back(hole);
    Set ball{"ball", Quantizer::Dither::None, {}};
    ball.pictures.push_back(
        {701, BallPainter::size, BallPainter::size, true, true, [](Canvas& c) { BallPainter().paint(c); }});
    sets_.push_back(ball);
}

void Catalogue::addGolfPanels() {
    Set instructions{"golf instructions", Quantizer::Dither::Light, {}};
    instructions.pictures.push_back(
        {109, 362, 316, true, false, [](Canvas& c) { GolfInstructionsPainter().paint(c); }});
    sets_.push_back(instructions);
    Set scores{"golf scores", Quantizer::Dither::Light, {}};
    scores.pictures.push_back(
        {112, 362, 316, true, false, [](Canvas& c) { GolfScoreCardPainter().paint(c); }});
    sets_.push_back(scores);
}

void Catalogue::addCaberThrower() {
    Set set{"caber thrower", Quantizer::Dither::None, {}};
    for (int i = 0; i < CaberThrowerPainter::frames; ++i)
        set.pictures.push_back({600 + i, CaberThrowerPainter::width, CaberThrowerPainter::height, true, true,
                                [i](Canvas& c) { CaberThrowerPainter().paint(c, i); }});
    sets_.push_back(set);
}

void Catalogue::addCaberFlight() {
    Set set{"caber flight", Quantizer::Dither::None, {}};
    for (int i = 0; i < CaberFlightPainter::frames; ++i)
        set.pictures.push_back({620 + i, CaberFlightPainter::width, CaberFlightPainter::height, true, true,
                                [i](Canvas& c) { CaberFlightPainter().paint(c, i); }});
    sets_.push_back(set);
}

void Catalogue::addCaberField() {
    Set line{"throwing line", Quantizer::Dither::None, {}};
    line.pictures.push_back({104, ThrowLinePainter::width, ThrowLinePainter::height, true, true,
                             [](Canvas& c) { ThrowLinePainter().paint(c); }});
    sets_.push_back(line);
    Set target{"target", Quantizer::Dither::None, {}};
    target.pictures.push_back({105, TargetPainter::width, TargetPainter::height, true, true,
                               [](Canvas& c) { TargetPainter().paint(c); }});
    // The rings' hit areas: outlines only, no pictures of their own.
    for (int ring = 0; ring < TargetPainter::rings; ++ring)
        target.pictures.push_back({TargetPainter::regionNumber(ring), TargetPainter::width,
                                   TargetPainter::height, false, true,
                                   [ring](Canvas& c) { TargetPainter().paintArea(c, ring); }});
    sets_.push_back(target);
}

void Catalogue::addCaberPanels() {
    Set instructions{"caber instructions", Quantizer::Dither::Light, {}};
    instructions.pictures.push_back(
        {108, 362, 316, true, false, [](Canvas& c) { CaberInstructionsPainter().paint(c); }});
    sets_.push_back(instructions);
    Set scores{"caber scores", Quantizer::Dither::Light, {}};
    scores.pictures.push_back(
        {111, 362, 316, true, false, [](Canvas& c) { CaberScoreCardPainter().paint(c); }});
    sets_.push_back(scores);
}
