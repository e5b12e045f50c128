#include "runnerfixtures.h"

#include "data/ioerror.h"
#include "runner/runlogic.h"
#include "runner/runrecorder.h"
#include "runner/runview.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace runnerfixtures;

namespace {

class QuietView final : public RunView {
public:
    bool timerActive = false;
    void startRunTimer() override { timerActive = true; }
    void stopRunTimer() override { timerActive = false; }
};

class RunRecorderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.makeApplicationFolder();
        setLibrary({"A", "B"});
        // Two exercises, E = 3, R = 2: the first exercise is done on tick 7,
        // the run finishes on tick 14; the catalogue counts 3 * 2 + 2 = 8 s.
        pair = writeCircuit(folder, "Pair.cir", circuitText("Pair, \"quick\"", 3, 2, {"A", "B"}));
        other = writeCircuit(folder, "Other.cir", circuitText("Other", 5, 5, {"A", "B"}));
    }

    void ticks(CircuitRun& run, int n) {
        for (int i = 0; i < n; ++i)
            run.exercisetimerTimer();
    }

    std::unique_ptr<CircuitRun> makeRun() {
        auto run = std::make_unique<CircuitRun>(view);
        run->setObserver(&recorder);
        return run;
    }

    TempFolder folder;
    std::string pair;
    std::string other;
    QuietView view;
    std::time_t clock = 1'800'000'000;
    std::vector<HistoryEntry> written;
    std::vector<std::string> failures;
    bool failWrites = false;
    RunRecorder recorder{[this](const HistoryEntry& entry) {
                             if (failWrites)
                                 throw IoError("Disk full");
                             written.push_back(entry);
                         },
                         [this] { return clock; },
                         [this](const std::string& text) { failures.push_back(text); }};
};

TEST_F(RunRecorderTest, recordingRules_finishOrLeftAfterAnExerciseOnly) {
    auto run = makeRun();

    // A finished run is written as it finishes, with its start time.
    run->intialisecircuit(pair);
    run->btn_startClick();
    ticks(*run, 14);
    ASSERT_FALSE(view.timerActive);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].started, localtimestamp(clock));
    EXPECT_EQ(written[0].circuitname, "Pair, \"quick\"");
    EXPECT_EQ(written[0].circuittype, "Upper Body");
    EXPECT_EQ(written[0].plannedseconds, 8u);
    EXPECT_EQ(written[0].secondsrun, 14u);
    EXPECT_EQ(written[0].exercisesdone, 2u);
    EXPECT_EQ(written[0].exercisecount, 2u);
    EXPECT_EQ(written[0].roundsplanned, 1u);
    EXPECT_EQ(written[0].roundscompleted, 1u);
    EXPECT_TRUE(written[0].finished);

    // Stop and Start again after the finish: a new run; stopped before any
    // exercise was done and another circuit loaded: nothing.
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 5);
    run->btn_stopClick();
    run->intialisecircuit(other);
    EXPECT_EQ(written.size(), 1u);

    // Stopped part-way, resumed, stopped again, then another circuit loaded:
    // one run with only the ticks that were counted.
    clock += 3600;
    run->intialisecircuit(pair);
    run->btn_startClick();
    ticks(*run, 7);
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 2);
    run->btn_stopClick();
    EXPECT_EQ(written.size(), 1u) << "a stop is a pause, not the end of the run";
    run->intialisecircuit(other);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].started, localtimestamp(clock));
    EXPECT_EQ(written[1].secondsrun, 9u);
    EXPECT_EQ(written[1].exercisesdone, 1u);
    EXPECT_FALSE(written[1].finished);

    // A failed load leaves the run where it was.
    run->btn_startClick();
    ticks(*run, 13); // the lead-in rest and the first exercise take 6 ticks each
    run->btn_stopClick();
    EXPECT_THROW(run->intialisecircuit(folder.path() + "Circuits/Missing.cir"), IoError);
    EXPECT_EQ(written.size(), 2u);

    // Stopped, then the program closed: written as it goes.
    run.reset();
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2].circuitname, "Other");
    EXPECT_EQ(written[2].exercisesdone, 1u);
    EXPECT_EQ(written[2].secondsrun, 13u);
    EXPECT_FALSE(written[2].finished);

    // Closed while counting, before any exercise was done: nothing.
    run = makeRun();
    run->intialisecircuit(pair);
    run->btn_startClick();
    ticks(*run, 6);
    run.reset();
    EXPECT_EQ(written.size(), 3u);

    // A skipped exercise is not done: a circuit skipped to its end is no
    // training; one exercise run out and the other skipped finishes with one.
    run = makeRun();
    run->intialisecircuit(pair);
    run->btn_startClick();
    for (int i = 0; i < 4; ++i)
        run->skipForward();
    ASSERT_EQ(run->state(), RunState::Finished);
    EXPECT_EQ(written.size(), 3u);
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 7);
    run->skipForward();
    run->skipForward();
    ASSERT_EQ(written.size(), 4u);
    EXPECT_EQ(written[3].exercisesdone, 1u);
    EXPECT_EQ(written[3].roundscompleted, 0u) << "the round's last exercise was skipped";
    EXPECT_TRUE(written[3].finished);

    // The history is UTF-8, also for a circuit file written in Latin-1.
    run->intialisecircuit(writeCircuit(folder, "Cafe.cir", circuitText("Caf\xE9", 3, 2, {"A"})));
    run->btn_startClick();
    ticks(*run, 7);
    ASSERT_EQ(written.size(), 5u);
    EXPECT_EQ(written[4].circuitname, "Caf\xC3\xA9");
    EXPECT_TRUE(failures.empty());
}

// Three rounds of a sided exercise and a repetition entry: a sided exercise
// is done with its second side, repetitions when the user ends them, and a
// round when its last exercise was done.
TEST_F(RunRecorderTest, rounds_countDoneExercisesAndRounds) {
    const std::string sided = writeCircuit(
        folder, "Sided.cir",
        keyedCircuitText("Sided", "2 rounds=3", 1, {"A\tsides=2", "B\treps=10 work=5"}));
    auto run = makeRun();
    // Ends the phase under way as a user does: repetitions after a while, the
    // others on the clock.
    const auto donePhase = [&] {
        if (run->moment().kind == PhaseKind::Reps) {
            ticks(*run, 2);
            run->repetitionsDone();
        } else {
            ticks(*run, static_cast<int>(run->intervalLength()) + 1);
        }
    };
    run->intialisecircuit(sided);
    run->btn_startClick();
    while (run->state() == RunState::Running)
        donePhase();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].plannedseconds, 32u)
        << "3 rounds of 1 + 2 + 2 + 1 + 5 s, less the lead-in";
    EXPECT_EQ(written[0].exercisecount, 6u);
    EXPECT_EQ(written[0].exercisesdone, 6u);
    EXPECT_EQ(written[0].roundsplanned, 3u);
    EXPECT_EQ(written[0].roundscompleted, 3u);
    EXPECT_TRUE(written[0].finished);

    // Round 1 done; in round 2 A's second side skipped and B's repetitions
    // ended by a skip; in round 3 A's first side only, then another circuit.
    run->btn_stopClick();
    run->btn_startClick();
    for (int i = 0; i < 5; ++i)
        donePhase();
    donePhase();
    donePhase();
    run->skipForward();
    donePhase();
    run->skipForward();
    donePhase();
    donePhase();
    ASSERT_EQ(run->moment().round, 3);
    run->intialisecircuit(pair);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].exercisesdone, 3u);
    EXPECT_EQ(written[1].roundscompleted, 2u);
    EXPECT_FALSE(written[1].finished);
}

// Pair takes 14 ticks as designed and 10 counted exactly: its planned 8 s
// and the 2 s lead-in.
TEST_F(RunRecorderTest, exactCounting_recordedOnlyWhenItHeldForTheWholeRun) {
    auto run = makeRun();
    run->intialisecircuit(pair);
    run->btn_startClick();
    ticks(*run, 14);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].exact, std::optional<bool>(false)) << "the column is always written";

    run->setOptions({.exactIntervals = true});
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 10);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].exact, std::optional<bool>(true));
    EXPECT_EQ(written[1].secondsrun, 10u);
    EXPECT_TRUE(written[1].finished);

    // Turned off and on again part-way, or on only from a resumed pause: not
    // counted exactly throughout.
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 3);
    run->setOptions({});
    run->setOptions({.exactIntervals = true});
    ticks(*run, 7);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2].exact, std::optional<bool>(false));

    run->setOptions({});
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 7);
    run->btn_stopClick();
    run->setOptions({.exactIntervals = true});
    run->btn_startClick();
    ticks(*run, 2);
    run->intialisecircuit(other);
    ASSERT_EQ(written.size(), 4u);
    EXPECT_FALSE(written[3].finished);
    EXPECT_EQ(written[3].exact, std::optional<bool>(false));
}

TEST_F(RunRecorderTest, failedWrite_toldOncePerRunAndTheRunGoesOn) {
    failWrites = true;
    auto run = makeRun();
    run->intialisecircuit(pair);
    run->btn_startClick();
    ticks(*run, 14);
    EXPECT_FALSE(view.timerActive);
    EXPECT_EQ(run->state(), RunState::Finished);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("Disk full"), std::string::npos) << failures[0];

    // The next run is told again, once; the file is written once it can be.
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 7);
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 7);
    EXPECT_EQ(failures.size(), 2u);
    failWrites = false;
    run->btn_stopClick();
    run->btn_startClick();
    ticks(*run, 14);
    EXPECT_EQ(failures.size(), 2u);
    EXPECT_EQ(written.size(), 1u);
}

} // namespace
