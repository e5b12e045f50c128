#pragma once

#include <thread>

// Reads the font configuration and its caches on a second core while the
// window system connects, so the launcher's first text finds them ready
// (fontconfig keeps them for the whole process; reading them again is free).
// Joined before any window is built.
class FontWarmup final {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    void join();

private:
    std::thread m_worker;
};
