#pragma once

#include "data/historyfile.h"
#include "data/historysummary.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// What the line under the table tells; the window words it.
struct HistoryState {
    enum class Kind {
        Clear,    // nothing to tell
        ReadFailed, // detail: the runtime's reason
        Damaged,  // count: damaged lines skipped
        NoRuns,   // the file holds no run yet
        Exported, // detail: where the copy was saved
    };
    Kind kind = Kind::Clear;
    std::string detail;
    size_t count = 0;
};

// What the training history window shows, as numbers, dates and ids: the window
// words them in the user's language and locale. Tests may record it.
class HistoryView {
public:
    virtual ~HistoryView() = default;

    // This week, this month, all time.
    virtual void showTotals(const std::array<HistoryTotals, 3>& totals) = 0;
    // Minutes per week, oldest first, each week by its Monday; the last is the
    // current week.
    virtual void showWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                           const std::array<CivilDate, kChartWeeks>& mondays) = 0;
    // Every run: rows are contents->entries[order[row]].
    virtual void showRuns(std::shared_ptr<const HistoryContents> contents,
                          std::vector<size_t> order) = 0;
    // The line under the table: damaged lines, a failed read, an export.
    virtual void showState(const HistoryState& state) = 0;
};
