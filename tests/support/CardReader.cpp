#include "support/CardReader.h"

#include "games/ScoreCard.h"
#include "gui/Font.h"
#include "support/PixelCanvas.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <memory>

namespace tamba::test {

using games::ScoreCard;

// Where each game's card writes its lines.
const CardReader::Layout CardReader::fishing = {{39, 122}, {89, 122}, 13, true, "secs"};
const CardReader::Layout CardReader::golf = {{42, 118}, {90, 118}, 15, false, "shots"};
const CardReader::Layout CardReader::caber = {{35, 122}, {90, 122}, 26, true, ""};

int CardReader::textLines(HWND card, const RECT& table, int percent) {
    auto scaled = [percent](int v) { return (v * percent + 50) / 100; };
    const RECT rect = rectOf(card);
    PixelCanvas canvas(rect.right - rect.left, rect.bottom - rect.top, RGB(0, 0, 0));
    PixelCanvas::copyScreen(rect.left, rect.top, canvas);
    const std::vector<COLORREF> pixels = canvas.pixels();
    const int lineGap = scaled(5);
    int lines = 0;
    int blankRows = lineGap;
    const RECT box = {scaled(table.left), scaled(table.top), scaled(table.right), scaled(table.bottom)};
    for (int y = box.top; y < box.bottom && y < canvas.height(); ++y) {
        bool text = false;
        for (int x = box.left; x < box.right && x < canvas.width() && !text; ++x) {
            const COLORREF c = pixels[y * canvas.width() + x];
            text = GetBValue(c) > 100 && GetRValue(c) < 50 && GetGValue(c) < 50;
        }
        lines += text && blankRows >= lineGap;
        blankRows = text ? 0 : blankRows + 1;
    }
    return lines;
}

CardReader::CardReader(const Layout& layout) : layout_(layout) {}

CardReader::~CardReader() = default;

HWND CardReader::cardOf(DWORD processId) {
    for (HWND window : visibleWindowsOf(processId)) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        const RECT rect = rectOf(window);
        if (std::string(name) == "#32770" && rect.left == 0 && rect.top == 0)
            return window;
    }
    return nullptr;
}

std::vector<COLORREF> CardReader::screenPixels() const {
    PixelCanvas shown(width_, height_, RGB(1, 2, 3));
    PixelCanvas::copyScreen(0, 0, shown);
    return shown.pixels();
}

bool CardReader::takeEmptyCard(HWND card, DWORD timeoutMs) {
    if (card == nullptr)
        return false;
    const RECT rect = rectOf(card);
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    // Painted and standing still: the same picture twice, a moment apart.
    auto shown = std::make_unique<PixelCanvas>(width_, height_, RGB(1, 2, 3));
    PixelCanvas::copyScreen(0, 0, *shown);
    std::vector<COLORREF> last = shown->pixels();
    const bool still = pumpUntil(
        [&] {
            pumpMessages(150);
            PixelCanvas::copyScreen(0, 0, *shown);
            std::vector<COLORREF> now = shown->pixels();
            const bool same = now == last;
            last = std::move(now);
            return same;
        },
        timeoutMs);
    if (!still)
        return false;
    empty_ = std::move(shown);
    return true;
}

RECT CardReader::lineBox(unsigned index, int textWidth) const {
    const int left =
        layout_.numbered ? std::min(layout_.numberColumn.x, layout_.textColumn.x) : layout_.textColumn.x;
    const int top = layout_.textColumn.y + static_cast<int>(index) * layout_.lineStep;
    // Past the text's end far enough to see anything written after it, and no further: beyond, other
    // windows may lie over the card (the fishing game's stack of fish, the golfer after the last hole).
    const int right = layout_.textColumn.x + textWidth + slack;
    // One line step high: a line's glyphs start below its top by the font's leading, so the next line's
    // stay out of the box even where the step is less than the font's cell.
    RECT box = {left - 2, top, std::min(right, width_), top + layout_.lineStep};
    box.bottom = std::min<LONG>(box.bottom, height_);
    return box;
}

int CardReader::differences(const std::vector<std::string>& lines, unsigned index) const {
    if (empty_ == nullptr)
        return -1;
    // The empty card with the lines written on it as the card writes them.
    PixelCanvas expected(width_, height_, RGB(1, 2, 3));
    BitBlt(expected.dc(), 0, 0, width_, height_, empty_->dc(), 0, 0, SRCCOPY);
    gui::Font font(ScoreCard::fontFace, ScoreCard::fontPoints);
    HGDIOBJ oldFont = SelectObject(expected.dc(), font.handle());
    SetBkMode(expected.dc(), TRANSPARENT);
    SetTextColor(expected.dc(), ScoreCard::textColour);
    int textWidth = 0;
    for (unsigned i = 0; i < lines.size(); ++i) {
        const int step = static_cast<int>(i) * layout_.lineStep;
        if (layout_.numbered) {
            const std::string number = std::to_string(i + 1);
            TextOutA(expected.dc(), layout_.numberColumn.x, layout_.numberColumn.y + step, number.c_str(),
                     static_cast<int>(number.size()));
        }
        const std::string text = lines[i] + " " + layout_.unit;
        TextOutA(expected.dc(), layout_.textColumn.x, layout_.textColumn.y + step, text.c_str(),
                 static_cast<int>(text.size()));
        if (i == index) {
            SIZE extent = {};
            GetTextExtentPoint32A(expected.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
            textWidth = extent.cx;
        }
    }
    SelectObject(expected.dc(), oldFont);
    const std::vector<COLORREF> want = expected.pixels();
    const std::vector<COLORREF> shown = screenPixels();
    const size_t size = static_cast<size_t>(width_) * height_;
    if (want.size() != size || shown.size() != size)
        return -1; // no picture to read (out of drawing resources)

    const RECT box = lineBox(index, textWidth);
    int differing = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (want[y * width_ + x] != shown[y * width_ + x])
                ++differing;
    return differing;
}

bool CardReader::waitUntilReads(const std::vector<std::string>& lines, unsigned index,
                                DWORD timeoutMs) const {
    return pumpUntil([&] { return reads(lines, index); }, timeoutMs);
}

bool CardReader::waitUntilEmpty(unsigned lineCount, DWORD timeoutMs) const {
    return pumpUntil(
        [&] {
            for (unsigned i = 0; i < lineCount; ++i)
                if (!reads({}, i))
                    return false;
            return true;
        },
        timeoutMs);
}

} // namespace tamba::test
