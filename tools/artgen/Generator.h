#pragma once

#include "Catalogue.h"
#include "ContactSheet.h"

#include <cstdint>
#include <string>
#include <vector>

// Draws every picture of the catalogue at every display scale and writes the resource files into one
// folder: N.bmp, N.rgn, the cursors, the icon and the contact sheets; and the games' sounds, N.wav. A picture
// numbered N at 100 % is numbered N + 10000 * k at the k-th larger scale (125, 150, 200 and 300 %), outline
// and cursor alike.
class Generator {
public:
    explicit Generator(std::string outDir) : outDir_(std::move(outDir)) {}

    void run();
    // The resource script lines for everything run() writes, by number.
    static std::string resourceScript(const Catalogue& catalogue);

    static constexpr int cursorNumber = 100;
    static constexpr int percents[] = {100, 125, 150, 200, 300};
    static constexpr int scaleCount = 5;
    static constexpr int scaleStep = 10000;
    static int numberAt(int number, int scaleIndex) { return number + scaleStep * scaleIndex; }
    static constexpr const char* iconFile = "fleeba.ico";

private:
    // One scale's pictures; the pictures and outlines written, by number, for the contact sheets.
    void drawScale(const Catalogue& catalogue, int scaleIndex, ContactSheet* sheet,
                   ContactSheet& scales) const;
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

    std::string outDir_;
};
