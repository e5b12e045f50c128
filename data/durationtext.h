#pragma once

#include <cstdint>
#include <string>

// Every duration the program shows in words is made here.

// "mm:ss" below 100 minutes ("00:00", "12:34", "99:59"); from 100 minutes on
// "h:mm:ss" ("1:40:00"), never a cut-off minute count.
std::string durationtext(uint64_t seconds);

// The short form of the run's time-left line: "0:14", "12:34", "1:02:03".
std::string shortdurationtext(int64_t seconds);
