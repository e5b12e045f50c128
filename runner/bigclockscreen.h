#pragma once

#include <cstddef>
#include <vector>

// A rectangle on the desktop, in the desktop's coordinates.
struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The screen the big clock opens on, by index into `screens`. With
// `elsewhere` and more than one screen it is the first screen the main window
// does not reach into, so the clock fills a projector or a television while
// the window stays where the user works; a window reaching into every screen
// leaves the first one besides its own. Otherwise, and for an own screen that
// is not in the list, the window's own screen (the first as a last resort).
//
//   two screens, window on 0          -> 1
//   two screens, window on 1          -> 0
//   three screens, window on 1        -> 0
//   three, window across 0 and 1      -> 2
//   `elsewhere` off, or one screen    -> the window's own
size_t bigClockScreen(const std::vector<ScreenArea>& screens, const ScreenArea& window,
                      size_t windowScreen, bool elsewhere);
