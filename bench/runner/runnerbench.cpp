// Measures the runner frame: the steadiness of its one-second timer, the cost of
// one tick from the timer to redrawn digits, and how soon the cue's play call
// returns after a phase change. Runs on the offscreen platform.
#include "app/mainwindow/runnerassembly.h"
#include "data/exercises.h"
#include "runner/bigclock.h"
#include "runner/circuitstartframe.h"
#include "runner/cueplayer.h"
#include "runner/runnerfixtures.h"
#include "testsupport/tempfolder.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A circuit of `count` exercises named "Exercise 0", "Exercise 1", ...
std::string circuitFile(const TempFolder& folder, const std::string& name, uint32_t exercise,
                        uint32_t rest, int count) {
    std::vector<std::string> exercises;
    for (int i = 0; i < count; ++i)
        exercises.push_back("Exercise " + std::to_string(i));
    return runnerfixtures::writeCircuit(
        folder, name + ".cir", runnerfixtures::circuitText(name, exercise, rest, exercises));
}

// Shows the frame and waits until the platform has exposed it, so repaints draw.
void showExposed(QWidget& widget) {
    widget.show();
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed()) && Clock::now() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

std::unique_ptr<CuePlayer> storedCuePlayer() {
    const QByteArray wave = assetbytes(QStringLiteral("cue.wav"));
    return std::make_unique<CuePlayer>(
        std::string(wave.constData(), static_cast<size_t>(wave.size())));
}

// Runs the real timer for 60 ticks and compares each tick with a steady clock.
void BM_TimerDriftOver60Ticks(benchmark::State& state) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const std::string path = circuitFile(folder, "Long", 3600, 3600, 2);
    for (auto _ : state) {
        Tframe_ExerciseStart frame;
        showExposed(frame);
        frame.intialisecircuit(path);
        auto* timer = frame.findChild<QTimer*>(QStringLiteral("exercisetimer"));
        std::vector<Clock::time_point> ticks;
        QEventLoop loop;
        QObject::connect(timer, &QTimer::timeout, &loop, [&] {
            ticks.push_back(Clock::now());
            if (ticks.size() == 60)
                loop.quit();
        });
        const Clock::time_point start = Clock::now();
        frame.btn_startClick();
        loop.exec();
        frame.btn_stopClick();

        double worstLateness = 0;
        for (size_t i = 0; i < ticks.size(); ++i) {
            const auto due = start + std::chrono::seconds(i + 1);
            worstLateness = std::max(
                worstLateness, std::chrono::duration<double, std::milli>(ticks[i] - due).count());
        }
        const auto expected = start + std::chrono::seconds(60);
        state.counters["drift_ms"] =
            std::chrono::duration<double, std::milli>(ticks.back() - expected).count();
        state.counters["worst_tick_late_ms"] = worstLateness;
    }
}
BENCHMARK(BM_TimerDriftOver60Ticks)->Iterations(1)->Unit(benchmark::kSecond);

// One tick that counts a second off, through to the digits painted on screen.
void BM_TickToRedrawnDigits(benchmark::State& state) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const std::string path = circuitFile(folder, "Endless", 10, 4294967295u, 1);
    Tframe_ExerciseStart frame;
    showExposed(frame);
    frame.intialisecircuit(path);
    frame.btn_startClick();
    PaintCounter counter;
    auto* seconds = frame.findChild<QWidget*>(QStringLiteral("img_s"));
    seconds->installEventFilter(&counter);
    for (auto _ : state) {
        frame.exercisetimerTimer();
        frame.repaint();
    }
    frame.btn_stopClick();
    // 1 when every tick really drew the seconds digit.
    state.counters["seconds_paints_per_tick"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TickToRedrawnDigits)->Unit(benchmark::kMicrosecond);

// The same tick with every training aid on: speech and countdown ticks queued
// on the real aids, the frame redrawn, and with range(0) = 1 the big clock too. Intervals of 3
// seconds make every counted second a countdown tick and every fourth tick a
// change of phase with its cue and phrase. range(0) = 2 runs the largest plan
// there is: 99 rounds of 100 exercises on two sides, with warm-up and cool-down.
void BM_TickWithEveryAidToRedrawnViews(benchmark::State& state) {
    TempFolder folder;
    folder.makeApplicationFolder();
    std::vector<std::string> sided;
    for (int i = 0; i < 100; ++i)
        sided.push_back("Exercise " + std::to_string(i) + "\tsides=2");
    const std::string path =
        state.range(0) == 2
            ? runnerfixtures::writeCircuit(
                  folder, "Rounds.cir",
                  runnerfixtures::keyedCircuitText("Rounds", "3 rounds=99 roundrest=3 warmup=3 cooldown=3", 3, sided))
            : circuitFile(folder, "Threes", 3, 3, 100);
    Tframe_ExerciseStart frame;
    auto* runner = new RunnerAssembly(frame, folder.path());
    showExposed(frame);
    frame.run().setOptions({.speakNames = true, .countdown = true, .keepAwake = true});
    frame.intialisecircuit(path);
    PaintCounter counter;
    if (state.range(0) == 1) {
        runner->toggleBigClock();
        showExposed(*runner->bigClock());
        runner->bigClock()->installEventFilter(&counter);
    }
    frame.btn_startClick();
    for (auto _ : state) {
        frame.exercisetimerTimer();
        frame.repaint();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        if (!frame.runInProgress()) {
            state.PauseTiming();
            frame.btn_stopClick();
            frame.btn_startClick();
            state.ResumeTiming();
        }
    }
    frame.btn_stopClick();
    state.counters["big_clock_paints_per_tick"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TickWithEveryAidToRedrawnViews)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One tick's repaint of the big clock on a 1920x1080 screen: the digits, the
// line and the bar. range(0) = 1 changes phase on every tick (a full repaint),
// with the status a run shows: a new exercise named at every change. Between
// ticks the event loop runs idle, untimed, as in the second a real tick waits.
void BM_BigClockTickRepaint1920x1080(benchmark::State& state) {
    const std::vector<std::string> names = {
        "Mountain Climber", "Squat", "Push-up", "Lunge", "Plank", "Burpee", "Crunch"};
    size_t exercise = 0;
    BigClockWindow big;
    big.setGeometry(0, 0, 1920, 1080);
    showExposed(big);
    PaintCounter counter;
    big.installEventFilter(&counter);
    RunMoment moment;
    moment.state = RunState::Running;
    moment.status = "Now: Mountain Climber";
    moment.nextStatus = moment.status;
    moment.count = 8;
    moment.position = 3;
    moment.circuitLength = 8 * 62 - 1;
    moment.intervalLength = 45;
    int64_t left = 0;
    for (auto _ : state) {
        left = left == 0 ? 45 : left - 1;
        moment.intervalLeft = left;
        moment.circuitLeft = 200 + left;
        moment.timeLeftLine = std::to_string(moment.circuitLeft) + " left";
        if (state.range(0) == 1) {
            moment.resting = !moment.resting;
            if (moment.resting)
                exercise = (exercise + 1) % names.size();
            moment.status = (moment.resting ? "Next: " : "Now: ") + names[exercise];
            moment.nextStatus = moment.resting ? "Now: " + names[exercise]
                                               : "Next: " + names[(exercise + 1) % names.size()];
        }
        big.showMoment(moment);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        state.PauseTiming();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        state.ResumeTiming();
    }
    state.counters["paints_per_tick"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
    state.counters["width"] = big.width();
}
BENCHMARK(BM_BigClockTickRepaint1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Wraps the stored cue to note when its play call has returned.
class TimedCue final : public CueSound {
public:
    explicit TimedCue(CuePlayer& player) : m_player(player) {}
    void play() override {
        m_player.play();
        returned = Clock::now();
    }
    Clock::time_point returned;

private:
    CuePlayer& m_player;
};

// From the tick that changes phase to the return of the cue's play call. Fewer
// plays than mixing channels, so every play finds a free channel.
void BM_PhaseChangeToCueReturn(benchmark::State& state) {
    TempFolder folder;
    folder.makeApplicationFolder();
    const std::string path = circuitFile(folder, "Zero", 0, 0, 100);
    auto player = storedCuePlayer();
    const bool audible = player->waitUntilOpened();
    TimedCue timed(*player);
    Tframe_ExerciseStart frame;
    frame.run().setAids({.cue = &timed});
    showExposed(frame);
    frame.intialisecircuit(path);
    frame.btn_startClick();
    for (auto _ : state) {
        const Clock::time_point tick = Clock::now();
        frame.exercisetimerTimer(); // every tick of a zero interval changes phase
        state.SetIterationTime(std::chrono::duration<double>(timed.returned - tick).count());
    }
    state.counters["audible"] = audible ? 1 : 0;
    frame.btn_stopClick();
}
BENCHMARK(BM_PhaseChangeToCueReturn)
    ->UseManualTime()
    ->Iterations(12)
    ->Unit(benchmark::kMicrosecond);

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
