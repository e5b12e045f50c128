#pragma once

#include "app/history/historycontroller.h"
#include "app/history/historyreader.h"
#include "app/history/historyview.h"

#include <QWidget>

#include <array>
#include <functional>

class HistoryChart;
class QBoxLayout;
class HistoryTableModel;
class QFileSystemWatcher;
class QLabel;
class QTableView;

// "Your training history": the totals of this week, this month and all time,
// the minutes of the last 12 weeks as a chart, and every run, newest first.
// The file is read on a worker thread when the window opens and again each
// time it changes, so runs appear while the window is open.
class HistoryWindow final : public QWidget, private HistoryView {
    Q_OBJECT
public:
    // today: the local date the totals count from.
    explicit HistoryWindow(std::function<CivilDate()> today = localtoday,
                           QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Saves a copy of the history as CSV where the user chooses.
    void btn_exportClick();

private:
    void showTotals(const std::array<HistoryTotals, 3>& totals) override;
    void showWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                   const std::array<CivilDate, kChartWeeks>& mondays) override;
    void showRuns(std::shared_ptr<const HistoryContents> contents,
                  std::vector<size_t> order) override;
    void showState(const HistoryState& state) override;

    void buildTotals(QWidget* holder, QBoxLayout* layout);
    void watch();

    std::string m_path;
    HistoryController m_controller;
    HistoryReader* m_reader = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    HistoryChart* m_chart = nullptr;
    HistoryTableModel* m_model = nullptr;
    QTableView* grd_runs = nullptr;
    // This week, this month, all time.
    std::array<QLabel*, 3> m_totalTimes{};
    std::array<QLabel*, 3> m_totalRuns{};
    QLabel* lbl_state = nullptr;
};
