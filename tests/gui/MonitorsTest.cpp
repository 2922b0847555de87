#include "gui/Monitors.h"

#include <gtest/gtest.h>

using tamba::gui::Monitors;

namespace {
bool same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
} // namespace

TEST(Monitors, ReadsThePlatformsScreenAsThePrimary) {
    Monitors monitors;
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_TRUE(same(monitors.primary(), desktop));
    EXPECT_EQ(monitors.count(), static_cast<unsigned>(GetSystemMetrics(SM_CMONITORS)));
    EXPECT_FALSE(monitors.read()) << "an unchanged layout read as a change";
    EXPECT_FALSE(monitors.looksChanged());
}

// A primary on the right of a taller second monitor that lies left of it, at negative coordinates.
TEST(Monitors, NearestHalfOnAndBroughtOntoAcrossTwoMonitors) {
    Monitors monitors;
    const RECT right = {0, 0, 1024, 768};
    const RECT left = {-1280, -256, 0, 768};
    monitors.assign({right, left}, 0);
    EXPECT_TRUE(monitors.read());
    EXPECT_TRUE(same(monitors.primary(), right));
    EXPECT_TRUE(monitors.has(left));
    EXPECT_FALSE(monitors.has(RECT{0, 0, 800, 600}));

    // Most of a window straddling the seam lies on the left one; a window on neither is nearest the one
    // closest to it.
    EXPECT_TRUE(same(monitors.nearest(RECT{-60, 100, 40, 200}), left));
    EXPECT_TRUE(same(monitors.nearest(RECT{1100, 100, 1180, 200}), right));
    EXPECT_TRUE(same(monitors.nearest(RECT{-1400, -300, -1350, -280}), left));
    EXPECT_TRUE(same(monitors.nearest(POINT{-1, 0}), left));

    // Half on, in the gap above the primary, or wholly off.
    EXPECT_TRUE(monitors.halfOn(RECT{980, 0, 1060, 100}));
    EXPECT_FALSE(monitors.halfOn(RECT{0, -200, 100, -50}));
    EXPECT_FALSE(monitors.halfOn(RECT{1030, 0, 1110, 100}));

    // Moved as little as needed to lie wholly on the monitor; a window larger than it keeps its corner on it.
    EXPECT_TRUE(same(Monitors::broughtOnto(RECT{1030, 700, 1113, 820}, right), RECT{941, 648, 1024, 768}));
    EXPECT_TRUE(same(Monitors::broughtOnto(RECT{10, 10, 93, 130}, right), RECT{10, 10, 93, 130}));
    EXPECT_TRUE(same(Monitors::broughtOnto(RECT{-50, -900, 1950, 100}, right), RECT{0, 0, 2000, 1000}));

    // A monitor whose scale changed is a change of the layout; each window reads the scale it lies most on.
    monitors.assign({right, left}, 0, {96, 144});
    EXPECT_TRUE(monitors.read());
    EXPECT_EQ(monitors.dpiOf(RECT{-60, 100, 40, 200}), 144);
    EXPECT_EQ(monitors.dpiOf(RECT{1100, 100, 1180, 200}), 96);
}
