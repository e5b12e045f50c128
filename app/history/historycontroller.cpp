#include "app/history/historycontroller.h"

#include "data/durationtext.h"

#include <algorithm>

namespace {

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string runsText(uint32_t runs) {
    return runs == 1 ? "1 run" : std::to_string(runs) + " runs";
}

HistoryView::Total totalText(const HistoryTotals& totals) {
    return {trainedtext(totals.seconds), runsText(totals.runs)};
}

} // namespace

HistoryController::HistoryController(HistoryView& view, std::string historyPath,
                                     std::function<CivilDate()> today)
    : m_view(view), m_path(std::move(historyPath)), m_today(std::move(today)) {}

void HistoryController::contentsRead(std::shared_ptr<const HistoryContents> contents,
                                     const std::string& error) {
    if (!contents) {
        // What was shown stays: it is still the last good read.
        m_view.showState("The history could not be read (" + error + ").");
        return;
    }
    const HistorySummary summary = summarisehistory(contents->entries, m_today());
    m_view.showTotals({totalText(summary.week), totalText(summary.month), totalText(summary.all)});

    std::array<uint64_t, kChartWeeks> minutes{};
    std::array<std::string, kChartWeeks> labels;
    const int64_t firstDay = daynumber(summary.firstweekstart);
    for (size_t week = 0; week < kChartWeeks; ++week) {
        minutes[week] = summary.weekseconds[week] / 60;
        // Each week by its Monday: "7 Dec".
        const CivilDate monday = datefromdaynumber(firstDay + 7 * static_cast<int64_t>(week));
        labels[week] = std::to_string(monday.day) + " " + kMonths[monday.month - 1];
    }
    labels.back() = "This week";
    m_view.showWeeks(minutes, labels);

    const size_t damaged = contents->damaged;
    const bool empty = contents->entries.empty();
    std::vector<size_t> order = newestfirst(contents->entries);
    m_view.showRuns(std::move(contents), std::move(order));
    if (damaged == 1)
        m_view.showState("1 damaged line in the file was skipped.");
    else if (damaged > 1)
        m_view.showState(std::to_string(damaged) + " damaged lines in the file were skipped.");
    else if (empty)
        m_view.showState("No runs yet.");
    else
        m_view.showState("");
}

void HistoryController::exportTo(const std::string& target) {
    exporthistory(m_path, target);
    m_view.showState("Saved a copy as " + target);
}

const char* HistoryController::columnTitle(int column) {
    static const char* const titles[] = {"Date", "Circuit", "Time run", "Finished"};
    return column >= 0 && column < ColumnCount ? titles[column] : "";
}

std::string HistoryController::cellText(const HistoryEntry& entry, int column) {
    switch (column) {
    case Date:
        // "2026-12-07T18:30:05+01:00" -> "2026-12-07 18:30", as the user's clock showed it.
        return entry.started.substr(0, 10) + " " + entry.started.substr(11, 5);
    case Circuit:
        return entry.circuitname;
    case TimeRun:
        return durationtext(
            static_cast<uint32_t>(std::min<uint64_t>(entry.secondsrun, UINT32_MAX)));
    case Outcome:
        return entry.finished ? "Finished"
                              : "Stopped after " + std::to_string(entry.exercisesdone) + " of " +
                                    std::to_string(entry.exercisecount);
    default:
        return {};
    }
}
