#pragma once

#include "Canvas.h"
#include "Quantizer.h"

#include <functional>
#include <string>
#include <vector>

// Every picture the program ships: number, size, which files it needs and how it is drawn, grouped in
// the animation sets that share one palette. Adding a picture means adding an entry here.
class Catalogue {
public:
    struct Picture {
        int number = 0;
        int width = 0;
        int height = 0;
        bool bitmap = true;
        bool region = true;
        std::function<void(Canvas&)> paint;
    };

    struct Set {
        std::string name;
        Quantizer::Dither dither = Quantizer::Dither::None;
        std::vector<Picture> pictures;
    };

    Catalogue();

    const std::vector<Set>& sets() const { return sets_; }

private:
    void addIdle();
    void addSplash();
    void addOptions();
    void addFish();
    void addDiver();
    void addIsland();
    void addFishingPanels();
    void addGolfer();
    void addGolfCourse();
    void addGolfPanels();
    void addCaberThrower();
    void addCaberFlight();
    void addCaberField();
    void addCaberPanels();

    std::vector<Set> sets_;
};
