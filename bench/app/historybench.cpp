// The training history: opening the window on a long history, reading the
// file, and appending one run. Run it under Xvfb (xvfb-run) or with
// QT_QPA_PLATFORM=offscreen.
#include "app/history/historywindow.h"
#include "data/historyfile.h"
#include "testsupport/tempfolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A history of `lines` runs over the last years, two a day, with names that
// need quoting now and then.
std::string historyText(int lines) {
    std::string text = std::string(kHistoryHeader) + "\r\n";
    for (int i = 0; i < lines; ++i) {
        HistoryEntry entry;
        const CivilDate day = datefromdaynumber(20000 + i / 2);
        char started[40];
        std::snprintf(started, sizeof started, "%04d-%02d-%02dT%02d:15:00+01:00", day.year,
                      day.month, day.day, i % 2 == 0 ? 7 : 18);
        entry.started = started;
        entry.circuitname =
            i % 5 == 0 ? "Legs, arms and core" : "Morning circuit " + std::to_string(i % 40);
        entry.circuittype = "Multiple Area Workout";
        entry.plannedseconds = 1200;
        entry.secondsrun = 900 + static_cast<uint64_t>(i % 400);
        entry.exercisesdone = i % 3 == 0 ? 7 : 10;
        entry.exercisecount = 10;
        entry.finished = i % 3 != 0;
        text += historyrecord(entry);
    }
    return text;
}

// From making the window to its first paint with every run in place.
void BM_OpenHistoryWindow(benchmark::State& state) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const int lines = static_cast<int>(state.range(0));
    folder.writeFile("history.csv", historyText(lines));
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        HistoryWindow window;
        window.show();
        const QAbstractItemModel* runs =
            window.findChild<QTableView*>(QStringLiteral("grd_runs"))->model();
        if (!QTest::qWaitFor([runs, lines] { return runs->rowCount() == lines; }, 10000)) {
            state.SkipWithError("the history was not shown");
            return;
        }
        window.repaint();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_OpenHistoryWindow)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

void BM_ReadHistory(benchmark::State& state) {
    TempFolder folder;
    folder.writeFile("history.csv", historyText(static_cast<int>(state.range(0))));
    const std::string path = folder.path() + "history.csv";
    for (auto _ : state)
        benchmark::DoNotOptimize(readhistory(path));
}
BENCHMARK(BM_ReadHistory)->Arg(10000)->Unit(benchmark::kMillisecond);

// One run appended and synced, as the end of a run costs on the UI thread.
void BM_AppendRun(benchmark::State& state) {
    TempFolder folder;
    const std::string path = folder.path() + "history.csv";
    HistoryEntry entry;
    entry.started = "2026-12-07T18:30:05+01:00";
    entry.circuitname = "Morning circuit";
    for (auto _ : state)
        appendhistory(path, entry);
}
BENCHMARK(BM_AppendRun)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
