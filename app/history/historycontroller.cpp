#include "app/history/historycontroller.h"

HistoryController::HistoryController(HistoryView& view, std::string historyPath,
                                     std::function<CivilDate()> today)
    : m_view(view), m_path(std::move(historyPath)), m_today(std::move(today)) {}

void HistoryController::contentsRead(std::shared_ptr<const HistoryContents> contents,
                                     const std::string& error) {
    if (!contents) {
        // What was shown stays: it is still the last good read.
        m_view.showState({.kind = HistoryState::Kind::ReadFailed, .detail = error});
        return;
    }
    const HistorySummary summary = summarisehistory(contents->entries, m_today());
    m_view.showTotals({summary.week, summary.month, summary.all});

    std::array<uint64_t, kChartWeeks> minutes{};
    std::array<CivilDate, kChartWeeks> mondays{};
    const int64_t firstDay = daynumber(summary.firstweekstart);
    for (size_t week = 0; week < kChartWeeks; ++week) {
        minutes[week] = summary.weekseconds[week] / 60;
        mondays[week] = datefromdaynumber(firstDay + 7 * static_cast<int64_t>(week));
    }
    m_view.showWeeks(minutes, mondays);

    const size_t damaged = contents->damaged;
    const bool empty = contents->entries.empty();
    std::vector<size_t> order = newestfirst(contents->entries);
    m_view.showRuns(std::move(contents), std::move(order));
    if (damaged > 0)
        m_view.showState({.kind = HistoryState::Kind::Damaged, .detail = {}, .count = damaged});
    else if (empty)
        m_view.showState({.kind = HistoryState::Kind::NoRuns, .detail = {}});
    else
        m_view.showState({});
}

void HistoryController::exportTo(const std::string& target) {
    exporthistory(m_path, target);
    m_view.showState({.kind = HistoryState::Kind::Exported, .detail = target});
}
