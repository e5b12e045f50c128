#pragma once

#include "data/historyfile.h"
#include "data/historysummary.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// What the training history window shows. The window draws it; tests may record it.
class HistoryView {
public:
    virtual ~HistoryView() = default;

    struct Total {
        std::string time; // "3 h 05 min"
        std::string runs; // "4 runs"
    };
    // This week, this month, all time.
    virtual void showTotals(const std::array<Total, 3>& totals) = 0;
    // Minutes per week, oldest first, with the label under each bar; the last is
    // the current week.
    virtual void showWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                           const std::array<std::string, kChartWeeks>& labels) = 0;
    // Every run: rows are contents->entries[order[row]].
    virtual void showRuns(std::shared_ptr<const HistoryContents> contents,
                          std::vector<size_t> order) = 0;
    // A line under the table: damaged lines, a failed read, an export; "" for none.
    virtual void showState(const std::string& text) = 0;
};
