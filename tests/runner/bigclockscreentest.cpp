// The screen the big clock opens on, among the desktop's screens.
#include "runner/bigclockscreen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Side by side, as a laptop with a projector to its right (and a television
// to the right of that).
const ScreenArea kLaptop{0, 0, 1920, 1080};
const ScreenArea kProjector{1920, 0, 1280, 720};
const ScreenArea kTelevision{3200, 0, 3840, 2160};
const ScreenArea kOnLaptop{100, 100, 800, 600};
const ScreenArea kOnProjector{2000, 50, 800, 600};
const ScreenArea kAcrossBoth{1500, 100, 800, 600};

TEST(BigClockScreen, withTwoScreens_theOneTheWindowIsNotOn) {
    const std::vector<ScreenArea> two{kLaptop, kProjector};
    EXPECT_EQ(bigClockScreen(two, kOnLaptop, 0, true), 1u);
    EXPECT_EQ(bigClockScreen(two, kOnProjector, 1, true), 0u);
    // A window across both leaves the screen besides its own.
    EXPECT_EQ(bigClockScreen(two, kAcrossBoth, 0, true), 1u);
    EXPECT_EQ(bigClockScreen(two, kAcrossBoth, 1, true), 0u);
}

TEST(BigClockScreen, withThreeScreens_theFirstOneTheWindowDoesNotReach) {
    const std::vector<ScreenArea> three{kLaptop, kProjector, kTelevision};
    EXPECT_EQ(bigClockScreen(three, kOnLaptop, 0, true), 1u);
    EXPECT_EQ(bigClockScreen(three, kOnProjector, 1, true), 0u);
    EXPECT_EQ(bigClockScreen(three, kAcrossBoth, 0, true), 2u);
}

TEST(BigClockScreen, optionOffOrOneScreen_theWindowsOwn) {
    const std::vector<ScreenArea> two{kLaptop, kProjector};
    EXPECT_EQ(bigClockScreen(two, kOnLaptop, 0, false), 0u);
    EXPECT_EQ(bigClockScreen(two, kOnProjector, 1, false), 1u);
    EXPECT_EQ(bigClockScreen({kLaptop}, kOnLaptop, 0, true), 0u);
    // Its own screen not among them (gone a moment ago): the first.
    EXPECT_EQ(bigClockScreen(two, kOnLaptop, 2, true), 0u);
    EXPECT_EQ(bigClockScreen({}, kOnLaptop, 0, true), 0u);
}

} // namespace
