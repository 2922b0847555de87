#pragma once

#include <cstdint>

// A straight (not premultiplied) RGBA colour with components in 0..1.
class Color {
public:
    constexpr Color() = default;
    constexpr Color(double r, double g, double b, double a = 1.0) : r(r), g(g), b(b), a(a) {}

    // From 0xRRGGBB.
    static constexpr Color hex(std::uint32_t rgb, double alpha = 1.0) {
        return Color(((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha);
    }

    Color withAlpha(double alpha) const { return Color(r, g, b, alpha); }
    // Linear mix: t = 0 gives this colour, t = 1 gives other.
    Color mix(const Color& other, double t) const;

    double r = 0, g = 0, b = 0, a = 1;
};
