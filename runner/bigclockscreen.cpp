#include "runner/bigclockscreen.h"

namespace {

bool overlap(const ScreenArea& a, const ScreenArea& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

} // namespace

size_t bigClockScreen(const std::vector<ScreenArea>& screens, const ScreenArea& window,
                      size_t windowScreen, bool elsewhere) {
    if (windowScreen >= screens.size())
        return 0;
    if (!elsewhere || screens.size() < 2)
        return windowScreen;
    for (size_t i = 0; i < screens.size(); ++i)
        if (i != windowScreen && !overlap(screens[i], window))
            return i;
    return windowScreen == 0 ? 1 : 0;
}
