#pragma once

#include "app/history/historyview.h"

#include <functional>
#include <memory>
#include <string>

// The rules of the training history window: what the totals, the chart, the
// table and the state line show for what was read from the file, and the export.
class HistoryController final {
public:
    // today: the local date the totals count from, asked at every read.
    HistoryController(HistoryView& view, std::string historyPath, std::function<CivilDate()> today);

    // A read of the file is done: contents, or null and the reason it failed.
    void contentsRead(std::shared_ptr<const HistoryContents> contents, const std::string& error);

    // Saves a copy as CSV at target. Raises IoError.
    void exportTo(const std::string& target);

    // The table's columns, left to right.
    enum Column { Date, Circuit, TimeRun, Outcome, ColumnCount };

private:
    HistoryView& m_view;
    std::string m_path;
    std::function<CivilDate()> m_today;
};
