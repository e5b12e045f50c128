#pragma once

#include "data/historyfile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Time trained and runs in one stretch of days.
struct HistoryTotals {
    uint64_t seconds = 0;
    uint32_t runs = 0;
};

inline constexpr int kChartWeeks = 12;

// What the history window shows above its table. Weeks begin on Monday; a run
// counts on the day it started, in the time zone it started in.
struct HistorySummary {
    HistoryTotals week;  // the current week
    HistoryTotals month; // the current calendar month
    HistoryTotals all;
    // Seconds trained in each of the last 12 weeks, oldest first: the last is
    // the current week.
    std::array<uint64_t, kChartWeeks> weekseconds{};
    CivilDate firstweekstart; // the Monday that begins the oldest of them
};

HistorySummary summarisehistory(const std::vector<HistoryEntry>& entries, const CivilDate& today);

// Positions into entries, newest start first; runs that started at the same
// moment keep the order of the file, later lines first.
std::vector<size_t> newestfirst(const std::vector<HistoryEntry>& entries);
