#include "Color.h"

Color Color::mix(const Color& other, double t) const {
    return Color(r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t, a + (other.a - a) * t);
}
