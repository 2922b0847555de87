#pragma once

#include <windows.h>

namespace tamba::gui {

// The display scale the toy draws at, as a percentage. Every picture, outline, window, font and cursor
// is drawn at it, while the games keep all their numbers in 100 % ("logical") pixels: a logical point
// is shown at that many times its coordinates on the screen, and a screen point is divided back. The
// conversion happens here and in the window layer that calls it, never in a game.
class Scale {
public:
    // The scales the pictures are drawn at; a picture numbered n at 100 % is numbered n + 10000 k at the
    // k-th of them.
    static constexpr int count = 5;
    static constexpr int percents[count] = {100, 125, 150, 200, 300};
    static constexpr int resourceStep = 10000;

    static int percent() { return percent_; }
    // Snapped to the nearest drawn scale.
    static void set(int percent);
    // The nearest drawn scale; a tie goes to the larger one.
    static int snap(int percent);
    // The drawn scale for a monitor's dots per inch (96 is 100 %).
    static int forDpi(int dpi) { return snap((dpi * 100 + 48) / 96); }
    // The largest drawn scale, at most the given one and never below 100 %, at which a logical size fits
    // a screen area.
    static int fitting(int percent, SIZE logical, const RECT& screen);

    // Logical to screen pixels: rounded to the nearest, halves away from the origin's left.
    static int toScreen(int logical) { return toScreen(logical, percent_); }
    static int toScreen(int logical, int percent);
    static int fromScreen(int screen);
    static POINT toScreen(POINT p) { return POINT{toScreen(p.x), toScreen(p.y)}; }
    static POINT fromScreen(POINT p) { return POINT{fromScreen(p.x), fromScreen(p.y)}; }
    static int fromScreen(int screen, int percent);
    static POINT toScreen(POINT p, int percent) {
        return POINT{toScreen(p.x, percent), toScreen(p.y, percent)};
    }
    static POINT fromScreen(POINT p, int percent) {
        return POINT{fromScreen(p.x, percent), fromScreen(p.y, percent)};
    }
    static RECT toScreen(const RECT& r, int percent);
    static RECT fromScreen(const RECT& r);
    // The logical rectangle that lies wholly inside a screen area (a monitor).
    static RECT inside(const RECT& screen);

    // The resource number of picture (or outline, or cursor) n at the current scale, or at another.
    static int resource(int number) { return resource(number, percent_); }
    static int resource(int number, int percent);

private:
    static int percent_;
};

} // namespace tamba::gui
