#pragma once

#include <atomic>

// A host name whose lookup hangs for 20 seconds in this test executable.
inline constexpr char kStalledHost[] = "stalled-lookup.invalid";
// Lookups of it begun so far.
extern std::atomic<int> g_stalledLookups;
