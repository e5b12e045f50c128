#pragma once

#include <atomic>

// Calls of umask() in this test executable since it started: the program may
// read the mask but never set it, not even for a moment.
extern std::atomic<int> g_umaskCalls;
