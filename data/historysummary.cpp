#include "data/historysummary.h"

#include <algorithm>
#include <numeric>

namespace {

// 1970-01-01 was a Thursday: day 0 lies three days after the Monday that
// begins its week.
int64_t weekNumber(int64_t day) {
    const int64_t shifted = day + 3;
    return shifted >= 0 ? shifted / 7 : (shifted - 6) / 7;
}

void add(HistoryTotals& totals, const HistoryEntry& entry) {
    totals.seconds += entry.secondsrun;
    ++totals.runs;
}

} // namespace

HistorySummary summarisehistory(const std::vector<HistoryEntry>& entries, const CivilDate& today) {
    HistorySummary summary;
    const int64_t currentWeek = weekNumber(daynumber(today));
    const int64_t firstWeek = currentWeek - (kChartWeeks - 1);
    summary.firstweekstart = datefromdaynumber(firstWeek * 7 - 3);
    for (const HistoryEntry& entry : entries) {
        add(summary.all, entry);
        const int64_t week = weekNumber(daynumber(entry.date));
        if (week == currentWeek)
            add(summary.week, entry);
        if (entry.date.year == today.year && entry.date.month == today.month)
            add(summary.month, entry);
        if (week >= firstWeek && week <= currentWeek)
            summary.weekseconds[static_cast<size_t>(week - firstWeek)] += entry.secondsrun;
    }
    return summary;
}

std::vector<size_t> newestfirst(const std::vector<HistoryEntry>& entries) {
    std::vector<size_t> order(entries.size());
    std::iota(order.rbegin(), order.rend(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&entries](size_t a, size_t b) {
        return entries[a].startedutc > entries[b].startedutc;
    });
    return order;
}
