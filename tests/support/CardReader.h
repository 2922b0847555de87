#pragma once

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace tamba::test {

class PixelCanvas;

// Reads a game's score card off the screen exactly. It writes the lines it expects the way the card
// writes them (the card's own font and colour, its columns and line step) over the empty card as the
// screen showed it, and compares that with what the screen shows now, pixel by pixel, in one line's box.
// A line reads as expected only if every pixel of its box agrees, so "26" is not "25".
class CardReader {
public:
    struct Layout {
        POINT numberColumn;
        POINT textColumn;
        int lineStep;
        bool numbered;
        const char* unit;
    };
    static const Layout fishing;
    static const Layout golf;
    static const Layout caber;

    explicit CardReader(const Layout& layout);
    ~CardReader();

    // How many lines of navy text the screen shows on a card's table (a box in the card's 100 % pixels, the
    // card drawn at percent): bands of rows with text, apart. The strokes of small text leave a row or two
    // blank within a line; a line ends at five blank rows (at 100 %).
    static int textLines(HWND card, const RECT& table, int percent = 100);

    // The program's score card: its visible dialog in the top-left corner of the screen, or null.
    static HWND cardOf(DWORD processId);

    // Takes what the screen shows of the card, once it has stood still for a moment, as the empty card
    // that expected lines are written on. False if it found no card or it never stood still.
    bool takeEmptyCard(HWND card, DWORD timeoutMs = 5000);

    // Pixels of line index's box (0 is the first line) that differ between the screen now and the empty
    // card holding these lines; a line past their end is expected blank. -1 if it has nothing to compare.
    int differences(const std::vector<std::string>& lines, unsigned index) const;
    bool reads(const std::vector<std::string>& lines, unsigned index) const {
        return differences(lines, index) == 0;
    }
    // Waits until the line reads so; false if it did not in time.
    bool waitUntilReads(const std::vector<std::string>& lines, unsigned index, DWORD timeoutMs) const;
    // Waits until the screen shows the empty card again (every line blank, a fresh card included).
    bool waitUntilEmpty(unsigned lineCount, DWORD timeoutMs) const;

private:
    static constexpr int slack = 48;

    RECT lineBox(unsigned index, int textWidth) const;
    std::vector<COLORREF> screenPixels() const;

    Layout layout_;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<PixelCanvas> empty_; // the empty card as the screen showed it
};

} // namespace tamba::test
