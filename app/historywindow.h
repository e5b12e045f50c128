#pragma once

#include "historyreader.h"

#include <QWidget>

#include <functional>

class HistoryChart;
class HistoryTableModel;
class QFileSystemWatcher;
class QLabel;
class QTableView;

// "Your training history": the totals of this week, this month and all time,
// the minutes of the last 12 weeks as a chart, and every run, newest first.
// The file is read on a worker thread when the window opens and again each
// time it changes, so runs appear while the window is open.
class HistoryWindow final : public QWidget {
    Q_OBJECT
public:
    // today: the local date the totals count from.
    explicit HistoryWindow(std::function<CivilDate()> today = localtoday,
                           QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Saves a copy of the history as CSV where the user chooses.
    void btn_exportClick();

    // Called after each read has been shown; the start-up figures and tests wait on it.
    std::function<void()> onShown;

private:
    void buildTotals(QWidget* holder, class QBoxLayout* layout);
    void watch();
    void showContents(const HistoryReader::Result& contents, const QString& error);

    std::function<CivilDate()> m_today;
    std::string m_path;
    HistoryReader* m_reader = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    HistoryChart* m_chart = nullptr;
    HistoryTableModel* m_model = nullptr;
    QTableView* grd_runs = nullptr;
    QLabel* lbl_weektime = nullptr;
    QLabel* lbl_weekruns = nullptr;
    QLabel* lbl_monthtime = nullptr;
    QLabel* lbl_monthruns = nullptr;
    QLabel* lbl_alltime = nullptr;
    QLabel* lbl_allruns = nullptr;
    QLabel* lbl_state = nullptr;
};
