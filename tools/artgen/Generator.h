#pragma once

#include "Catalogue.h"

#include <cstdint>
#include <string>
#include <vector>

// Draws every picture of the catalogue and writes the resource files into one folder: N.bmp, N.rgn,
// the cursor, the icon and the contact sheet.
class Generator {
public:
    explicit Generator(std::string outDir) : outDir_(std::move(outDir)) {}

    void run();
    // The resource script lines for everything run() writes, by number.
    static std::string resourceScript(const Catalogue& catalogue);

    static constexpr int cursorNumber = 100;
    static constexpr const char* iconFile = "fleeba.ico";

private:
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

    std::string outDir_;
};
