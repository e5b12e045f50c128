#include "runnerfixtures.h"

#include "data/contentaddress.h"
#include "data/durationtext.h"
#include "data/ioerror.h"
#include "runner/cuesound.h"
#include "runner/runlogic.h"
#include "runner/runview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using namespace runnerfixtures;

namespace {

// Remembers what the screen would show now.
class FakeView final : public RunView {
public:
    std::string clock = "00:00";
    std::string phase = "exercise";
    std::string status;
    std::vector<std::string> list;
    std::string hint = "Description Of Exercise";
    bool linkVisible = true;
    CommandButton front = CommandButton::Stop;
    bool timerActive = false;
    int timerStarts = 0;
    std::vector<std::string> pages;

    void showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) override {
        clock = std::to_string(tenMinutes) + std::to_string(minutes) + ":" +
                std::to_string(tenSeconds) + std::to_string(seconds);
    }
    void showPhase(bool resting) override { phase = resting ? "rest" : "exercise"; }
    void setStatus(const std::string& text) override { status = text; }
    void clearExercises() override { list.clear(); }
    void addExercise(const std::string& name) override { list.push_back(name); }
    void setDescriptionHint(const std::string& text) override { hint = text; }
    void setLinkVisible(bool visible) override { linkVisible = visible; }
    void bringToFront(CommandButton button) override { front = button; }
    void openPage(const std::string& address) override { pages.push_back(address); }
    void startRunTimer() override {
        timerActive = true;
        ++timerStarts;
    }
    void stopRunTimer() override { timerActive = false; }
};

class CountingCue final : public CueSound {
public:
    int plays = 0;
    void play() override { ++plays; }
};

// Records what the run asks of the aids, in order.
class FakeAnnouncer final : public RunAnnouncer {
public:
    std::vector<std::string> log;
    void prepare(const std::string& phrase) override { log.push_back("prepare " + phrase); }
    void speak(const std::string& phrase) override { log.push_back("speak " + phrase); }
    void countdownTick() override { log.push_back("tick"); }

    std::vector<std::string> take(const std::string& kind) {
        std::vector<std::string> found;
        for (const auto& entry : log)
            if (entry.rfind(kind, 0) == 0)
                found.push_back(entry);
        return found;
    }
    // Whether every spoken phrase was prepared before it was spoken.
    bool preparedAhead() const {
        for (size_t i = 0; i < log.size(); ++i) {
            if (log[i].rfind("speak ", 0) != 0)
                continue;
            const std::string wanted = "prepare " + log[i].substr(6);
            if (std::find(log.begin(), log.begin() + static_cast<long>(i), wanted) ==
                log.begin() + static_cast<long>(i))
                return false;
        }
        return true;
    }
};

class FakeAwake final : public ScreenAwake {
public:
    bool held = false;
    int holds = 0;
    void hold() override {
        EXPECT_FALSE(held) << "held twice";
        held = true;
        ++holds;
    }
    void release() override { held = false; }
};

// A further view that draws only the moment, as the big clock does.
class RecordingDisplay final : public RunView {
public:
    RunMoment last;
    int shown = 0;
    void showMoment(const RunMoment& moment) override {
        last = moment;
        ++shown;
    }
};

class RunLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.makeApplicationFolder();
        setLibrary({"A", "B", "C", "D", "E", "Push up & go"}, {"A", "C", "Push up & go"});
        run.setAids({.cue = &cue});
    }

    std::string circuit(const std::string& name, uint32_t e, uint32_t r,
                        const std::vector<std::string>& exercises) {
        return writeCircuit(folder, name + ".cir", circuitText(name, e, r, exercises));
    }

    // Loads as the main window does: load, then Start brought forward.
    void load(const std::string& path) {
        run.intialisecircuit(path);
        run.bringStartToFront();
    }

    // Ticks until the run timer stops; the number of ticks, or -1 past the limit.
    int ticksToFinish(int limit = 1000) {
        for (int n = 1; n <= limit; ++n) {
            run.exercisetimerTimer();
            if (!view.timerActive)
                return n;
        }
        return -1;
    }

    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            run.exercisetimerTimer();
    }

    TempFolder folder;
    FakeView view;
    CountingCue cue;
    CircuitRun run{view};
};

TEST_F(RunLogicTest, load_listsExercisesShowsRestAndNamesCircuit) {
    load(circuit("Morning", 30, 15, {"A", "Unknown", "B"}));
    EXPECT_EQ(run.state(), RunState::Loaded);
    EXPECT_EQ(view.list, (std::vector<std::string>{"A", "Unknown", "B"}));
    EXPECT_EQ(view.clock, "00:15");
    EXPECT_EQ(view.phase, "rest");
    EXPECT_EQ(view.status, "Morning");
    EXPECT_EQ(view.hint, "How to A");
    EXPECT_TRUE(view.linkVisible) << "loading leaves the link as it was";
    EXPECT_EQ(cue.plays, 0);
}

struct ExampleStep {
    int tick;
    const char* clock;
    const char* phase;
    const char* status;
    bool cue;
};

// Two exercises, E = 3, R = 2: a cue at ticks 3, 7, 10 and 14, "Finished" on the 14th.
TEST_F(RunLogicTest, workedExample_followsEveryTick) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    EXPECT_EQ(view.clock, "00:02");
    EXPECT_EQ(view.status, "Next: A");
    EXPECT_EQ(view.front, CommandButton::Stop);
    EXPECT_TRUE(run.runInProgress());

    const std::vector<ExampleStep> steps = {
        {1, "00:01", "rest", "Next: A", false},     {2, "00:00", "rest", "Next: A", false},
        {3, "00:03", "exercise", "Now: A", true},   {4, "00:02", "exercise", "Now: A", false},
        {5, "00:01", "exercise", "Now: A", false},  {6, "00:00", "exercise", "Now: A", false},
        {7, "00:02", "rest", "Next: B", true},      {8, "00:01", "rest", "Next: B", false},
        {9, "00:00", "rest", "Next: B", false},     {10, "00:03", "exercise", "Now: B", true},
        {11, "00:02", "exercise", "Now: B", false}, {12, "00:01", "exercise", "Now: B", false},
        {13, "00:00", "exercise", "Now: B", false}, {14, "00:02", "rest", "Finished", true},
    };
    for (const auto& step : steps) {
        const int playsBefore = cue.plays;
        run.exercisetimerTimer();
        SCOPED_TRACE("tick " + std::to_string(step.tick));
        EXPECT_EQ(view.clock, step.clock);
        EXPECT_EQ(view.phase, step.phase);
        EXPECT_EQ(view.status, step.status);
        EXPECT_EQ(cue.plays - playsBefore, step.cue ? 1 : 0);
        EXPECT_EQ(view.timerActive, step.tick < 14);
        EXPECT_EQ(run.runInProgress(), view.timerActive);
    }
    EXPECT_EQ(run.state(), RunState::Finished);
    EXPECT_EQ(run.position(), 2);
    EXPECT_EQ(view.front, CommandButton::Stop);
    EXPECT_FALSE(view.linkVisible);
    EXPECT_EQ(view.hint, "");

    run.exercisetimerTimer(); // a stray tick after the finish changes nothing
    EXPECT_EQ(view.status, "Finished");
    EXPECT_EQ(cue.plays, 4);
}

TEST_F(RunLogicTest, runLength_isExercisesTimesIntervalsPlusTwo) {
    load(circuit("One", 4, 6, {"B"}));
    run.btn_startClick();
    EXPECT_EQ(ticksToFinish(), 1 * (4 + 6 + 2));
    EXPECT_EQ(cue.plays, 2) << "one exercise: its start and its end, no rest after it";
    EXPECT_EQ(view.status, "Finished");

    load(circuit("Five", 7, 5, {"A", "B", "C", "D", "E"}));
    cue.plays = 0;
    run.btn_startClick();
    EXPECT_EQ(ticksToFinish(), 5 * (7 + 5 + 2));
    EXPECT_EQ(cue.plays, 10);
}

TEST_F(RunLogicTest, zeroSecondIntervals_lastOneTickEachWithACueEach) {
    load(circuit("Zero", 0, 0, {"A", "B"}));
    run.btn_startClick();
    EXPECT_EQ(view.clock, "00:00");
    EXPECT_EQ(view.status, "Next: A");
    // Every phase shows 00:00 for one tick, so every tick changes phase and cues.
    const std::vector<std::string> labels = {"Now: A", "Next: B", "Now: B", "Finished"};
    for (size_t i = 0; i < labels.size(); ++i) {
        run.exercisetimerTimer();
        EXPECT_EQ(view.status, labels[i]);
        EXPECT_EQ(view.clock, "00:00");
        EXPECT_EQ(cue.plays, static_cast<int>(i) + 1);
    }
    EXPECT_FALSE(view.timerActive);
}

// The ticks on which the label changed, up to the finish.
std::vector<int> changeTicks(CircuitRun& run, const FakeView& view) {
    std::vector<int> found;
    std::string label = view.status;
    for (int tick = 1; tick <= 1000 && view.timerActive; ++tick) {
        run.exercisetimerTimer();
        if (view.status != label)
            found.push_back(tick);
        label = view.status;
    }
    return found;
}

TEST_F(RunLogicTest, exactIntervals_eachIntervalLastsItsLengthAndTheChangeComesAtZero) {
    const std::string pair = circuit("Pair", 3, 2, {"A", "B"});
    // As designed an interval of 3 s shows 3, 2, 1 and 0: four ticks.
    load(pair);
    run.btn_startClick();
    EXPECT_EQ(changeTicks(run, view), (std::vector<int>{3, 7, 10, 14}));

    run.setOptions({.exactIntervals = true});
    load(pair);
    run.btn_startClick();
    ASSERT_EQ(view.clock, "00:02");
    const std::vector<ExampleStep> steps = {
        {1, "00:01", "rest", "Next: A", false},    {2, "00:03", "exercise", "Now: A", true},
        {3, "00:02", "exercise", "Now: A", false}, {4, "00:01", "exercise", "Now: A", false},
        {5, "00:02", "rest", "Next: B", true},     {6, "00:01", "rest", "Next: B", false},
        {7, "00:03", "exercise", "Now: B", true},  {8, "00:02", "exercise", "Now: B", false},
        {9, "00:01", "exercise", "Now: B", false}, {10, "00:02", "rest", "Finished", true},
    };
    cue.plays = 0;
    for (const auto& step : steps) {
        const int playsBefore = cue.plays;
        run.exercisetimerTimer();
        SCOPED_TRACE("tick " + std::to_string(step.tick));
        EXPECT_EQ(view.clock, step.clock) << "never 00:00 while running";
        EXPECT_EQ(view.phase, step.phase);
        EXPECT_EQ(view.status, step.status);
        EXPECT_EQ(cue.plays - playsBefore, step.cue ? 1 : 0);
        EXPECT_EQ(view.timerActive, step.tick < 10);
    }

    // The countdown ticks at 3, 2 and 1 shown, and the cue follows at once.
    FakeAnnouncer announcer;
    run.setAids({&cue, &announcer, nullptr});
    run.setOptions({.countdown = true, .exactIntervals = true});
    load(circuit("Long", 5, 4, {"A"}));
    run.btn_startClick();
    std::vector<std::string> heard;
    for (int tick = 0; tick < 4; ++tick) {
        const int playsBefore = cue.plays;
        const size_t ticksBefore = announcer.take("tick").size();
        run.exercisetimerTimer();
        heard.push_back(view.clock + (announcer.take("tick").size() > ticksBefore ? " tick" : "") +
                        (cue.plays > playsBefore ? " cue" : ""));
    }
    EXPECT_EQ(heard,
              (std::vector<std::string>{"00:03 tick", "00:02 tick", "00:01 tick", "00:05 cue"}));
}

TEST_F(RunLogicTest, exactIntervals_theRunTakesItsPlannedTime_zeroIntervalsTakeNoTick) {
    RecordingDisplay display;
    run.addView(display);
    run.setOptions({.exactIntervals = true});
    // Warm-up, two rounds with a round rest, a sided exercise and rests of 0.
    load(writeCircuit(folder, "Keyed.cir",
                      keyedCircuitText("Keyed", "4 rounds=2 roundrest=5 warmup=3 cooldown=2", 0,
                                       {"A\tsides=2", "B", "C"})));
    const int64_t planned = display.last.circuitLength;
    ASSERT_EQ(planned, 3 + 2 * 16 + 5 + 2);
    run.btn_startClick();
    EXPECT_EQ(view.status, "Warm-up");
    EXPECT_EQ(ticksToFinish(), planned);
    EXPECT_EQ(view.status, "Finished");

    // Without exact counting each phase shows 00:00 a tick longer, and a 0 s
    // phase takes one tick too.
    run.setOptions({});
    load(folder.path() + "Circuits/Keyed.cir");
    run.btn_startClick();
    EXPECT_EQ(ticksToFinish(), planned + 16) << "16 phases with the lead-in";

    // A lead-in of 0 passes as the run starts: the first exercise is under way at once.
    run.setOptions({.exactIntervals = true});
    load(circuit("NoWait", 3, 0, {"A", "B"}));
    cue.plays = 0;
    run.btn_startClick();
    EXPECT_EQ(view.status, "Now: A");
    EXPECT_EQ(view.clock, "00:03");
    EXPECT_EQ(cue.plays, 1);
    EXPECT_EQ(ticksToFinish(), 6);
}

TEST_F(RunLogicTest, exactIntervals_turnedOnPartWay_endsAPhaseShowingZeroOnTheNextTick) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    ticks(2);
    ASSERT_EQ(view.clock, "00:00");
    run.setOptions({.exactIntervals = true});
    run.exercisetimerTimer();
    EXPECT_EQ(view.status, "Now: A");
    EXPECT_EQ(view.clock, "00:03");
    ticks(2);
    ASSERT_EQ(view.clock, "00:01");
    run.setOptions({}); // off again: this phase shows 00:00 once more
    run.exercisetimerTimer();
    EXPECT_EQ(view.clock, "00:00");
    EXPECT_EQ(view.status, "Now: A");
    run.exercisetimerTimer();
    EXPECT_EQ(view.status, "Next: B");
}

TEST_F(RunLogicTest, stopInExercise_startResumesThatExerciseFromFrozenClock) {
    load(circuit("Five", 30, 10, {"A", "B", "C", "D", "E"}));
    run.btn_startClick();
    // Fourth exercise starts after 3 * (30 + 10 + 2) + 11 ticks; 13 more leave 00:17.
    ticks(3 * 42 + 11 + 13);
    ASSERT_EQ(view.status, "Now: D");
    ASSERT_EQ(view.clock, "00:17");

    run.btn_stopClick();
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_FALSE(view.timerActive);
    EXPECT_EQ(view.front, CommandButton::Start);
    EXPECT_EQ(view.clock, "00:17");
    ticks(5); // the timer is off: nothing counts
    EXPECT_EQ(view.clock, "00:17");

    run.btn_startClick();
    EXPECT_EQ(view.status, "Now: D");
    EXPECT_EQ(view.phase, "exercise");
    EXPECT_EQ(view.front, CommandButton::Stop);
    ticks(17);
    EXPECT_EQ(view.clock, "00:00");
    run.exercisetimerTimer();
    EXPECT_EQ(view.status, "Next: E");
    EXPECT_EQ(view.clock, "00:10");
    EXPECT_EQ(view.phase, "rest");
}

TEST_F(RunLogicTest, stopInRest_resumesNamingTheExerciseDue) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    run.exercisetimerTimer();
    run.btn_stopClick();
    EXPECT_EQ(view.clock, "00:01");
    run.btn_startClick();
    EXPECT_EQ(view.status, "Next: A");
    ticks(6); // through A, into the rest before B
    ASSERT_EQ(view.status, "Next: B");
    run.btn_stopClick();
    run.btn_startClick();
    EXPECT_EQ(view.status, "Next: B");
    EXPECT_EQ(view.phase, "rest");
    // The same as an uninterrupted run, less the second counted before the first pause.
    EXPECT_EQ(ticksToFinish(), 14 - 1 - 6);
    EXPECT_EQ(cue.plays, 4);
}

TEST_F(RunLogicTest, finishedThenStopThenStart_runsWholeCircuitAgain) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    ASSERT_EQ(ticksToFinish(), 14);
    run.btn_startClick(); // Start lies behind Stop after the finish: nothing happens
    EXPECT_FALSE(view.timerActive);

    run.btn_stopClick();
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_EQ(run.position(), 0);
    EXPECT_EQ(view.hint, "");
    run.btn_startClick();
    EXPECT_EQ(view.status, "Next: A");
    EXPECT_EQ(view.hint, "How to A");
    EXPECT_EQ(view.clock, "00:02");
    EXPECT_EQ(ticksToFinish(), 14);
    EXPECT_EQ(cue.plays, 8);
}

TEST_F(RunLogicTest, loadAfterPauseInExercise_beginsNewCircuitWithLeadInRest) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    ticks(4);
    run.btn_stopClick();
    ASSERT_EQ(view.phase, "exercise");

    load(circuit("Other", 20, 45, {"C", "D"}));
    EXPECT_EQ(view.clock, "00:45");
    EXPECT_EQ(view.phase, "rest");
    EXPECT_EQ(view.status, "Other");
    EXPECT_EQ(view.list, (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(view.hint, "How to C");
    run.btn_startClick();
    EXPECT_EQ(view.status, "Next: C");
    EXPECT_EQ(ticksToFinish(), 2 * (20 + 45 + 2));
}

TEST_F(RunLogicTest, link_followsOnlineMarkAndFinish) {
    load(circuit("Mix", 1, 1, {"A", "B", "C"}));
    run.btn_startClick();
    EXPECT_TRUE(view.linkVisible); // A has a page
    ticks(2 + 2);                  // rest, then A ran out: rest before B
    EXPECT_EQ(view.status, "Next: B");
    EXPECT_FALSE(view.linkVisible);
    EXPECT_EQ(view.hint, "How to B");
    ticks(4);
    EXPECT_EQ(view.status, "Next: C");
    EXPECT_TRUE(view.linkVisible);
    ticks(4);
    EXPECT_EQ(view.status, "Finished");
    EXPECT_FALSE(view.linkVisible);
}

TEST_F(RunLogicTest, linkInThirdExercise_pausesAndOpensThatExercisesEncodedPage) {
    load(circuit("Mix", 5, 5, {"A", "B", "Push up & go", "D"}));
    run.btn_startClick();
    ticks(2 * 12 + 6 + 2); // two exercises with their rests, the rest before the third, 2 s in
    ASSERT_EQ(view.status, "Now: Push up & go");
    ASSERT_TRUE(view.linkVisible);

    run.lbl_launchClick();
    ASSERT_EQ(view.pages.size(), 1u);
    EXPECT_EQ(view.pages[0], contentbaseurl() + "/kinoradex/index.php?show=Push%20up%20%26%20go");
    EXPECT_EQ(view.pages[0], kinoradexpageaddress("Push up & go"));
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_FALSE(view.timerActive);
    EXPECT_EQ(view.front, CommandButton::Start);

    run.btn_startClick();
    EXPECT_EQ(view.status, "Now: Push up & go") << "the paused exercise resumes";
}

TEST_F(RunLogicTest, failedLoad_changesNothing) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    ticks(4);
    run.btn_stopClick();
    const FakeView before = view;
    const int pos = run.position();

    EXPECT_THROW(run.intialisecircuit(folder.path() + "Circuits/missing.cir"), IoError);
    EXPECT_THROW(run.intialisecircuit(""), IoError);
    const std::string bad =
        writeCircuit(folder, "bad.cir", "Bad\r\nUpper Body\r\nthirty\r\n10\r\nA\r\n");
    EXPECT_THROW(run.intialisecircuit(bad), IoError);

    EXPECT_EQ(run.state(), RunState::Stopped);
    EXPECT_EQ(run.circuit().circuitname, "Pair");
    EXPECT_EQ(run.position(), pos);
    EXPECT_FALSE(run.isResting());
    EXPECT_EQ(view.clock, before.clock);
    EXPECT_EQ(view.status, before.status);
    EXPECT_EQ(view.list, before.list);
    EXPECT_EQ(view.phase, before.phase);
}

TEST_F(RunLogicTest, circuitWithoutExercises_cannotStart) {
    load(circuit("Empty", 30, 15, {}));
    EXPECT_TRUE(view.list.empty());
    run.btn_startClick();
    EXPECT_EQ(view.status, CircuitRun::kNoExercisesText);
    EXPECT_EQ(view.timerStarts, 0);
    EXPECT_EQ(view.front, CommandButton::Start);
    EXPECT_EQ(view.clock, "00:15");

    // The empty circuit held before any load: reached by Stop, then Start.
    CircuitRun fresh{view};
    fresh.btn_stopClick();
    fresh.btn_startClick();
    EXPECT_EQ(view.status, CircuitRun::kNoExercisesText);
    EXPECT_FALSE(fresh.runInProgress());
    EXPECT_EQ(view.timerStarts, 0);
}

TEST_F(RunLogicTest, clock_splitsIntervalIntoDigits) {
    struct Case {
        uint32_t rest;
        const char* clock; // tens of minutes may take several digits
    };
    for (const Case& c :
         {Case{754, "12:34"}, Case{599, "09:59"}, Case{5999, "99:59"}, Case{6000, "100:00"},
          Case{100000, "1666:40"}, Case{4294967295u, "71582788:15"}}) {
        load(circuit("Long", 30, c.rest, {"A"}));
        EXPECT_EQ(view.clock, c.clock) << c.rest;
        EXPECT_EQ(run.intervalLeft(), c.rest);
    }
}

TEST_F(RunLogicTest, countdown_countsAcrossDigitsAndChangesAfterZero) {
    load(circuit("Hundred", 6000, 0, {"A"})); // 100:00
    run.btn_startClick();
    run.exercisetimerTimer();
    ASSERT_EQ(view.clock, "100:00");
    run.exercisetimerTimer();
    EXPECT_EQ(view.clock, "99:59");

    load(circuit("Borrow", 601, 0, {"A"})); // 10:01 counts down through every borrow
    run.btn_startClick();
    run.exercisetimerTimer();
    for (int64_t left = 600; left >= 0; --left) {
        run.exercisetimerTimer();
        ASSERT_EQ(run.intervalLeft(), left);
        const std::string expected = (left / 60 < 10 ? "0" : "") + std::to_string(left / 60) + ":" +
                                     std::to_string(left % 60 / 10) + std::to_string(left % 10);
        ASSERT_EQ(view.clock, expected);
    }
    EXPECT_TRUE(run.runInProgress());
    run.exercisetimerTimer();
    EXPECT_EQ(view.status, "Finished");
}

TEST_F(RunLogicTest, moreThanHundredExerciseLines_runStopsAtTheHundredth) {
    std::vector<std::string> many(120, "A");
    load(circuit("Long", 0, 0, many));
    EXPECT_EQ(run.exerciseCount(), 100);
    EXPECT_EQ(view.list.size(), 100u);
    run.btn_startClick();
    EXPECT_EQ(ticksToFinish(), 100 * 2);
    EXPECT_EQ(run.position(), 100);
}

TEST_F(RunLogicTest, secondView_showsWhatTheFirstShowsUntilRemoved) {
    FakeView second;
    run.addView(second);
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    ticks(3); // into A's exercise
    run.lbl_launchClick();
    const auto same = [&](const FakeView& other) {
        return other.clock == view.clock && other.phase == view.phase &&
               other.status == view.status && other.list == view.list && other.hint == view.hint &&
               other.linkVisible == view.linkVisible && other.front == view.front &&
               other.timerStarts == view.timerStarts && other.timerActive == view.timerActive &&
               other.pages == view.pages;
    };
    EXPECT_TRUE(same(second));
    EXPECT_EQ(second.pages, std::vector<std::string>{kinoradexpageaddress("A")});
    EXPECT_EQ(second.phase, "exercise");

    run.removeView(second);
    run.btn_startClick();
    EXPECT_TRUE(view.timerActive);
    EXPECT_FALSE(second.timerActive);
    EXPECT_EQ(second.status, "Stopped");
}

TEST_F(RunLogicTest, timeLeftAndPosition_followTicksStopSkipAndLoad) {
    RecordingDisplay line;
    run.addView(line);
    EXPECT_EQ(line.last.timeLeftLine, "") << "nothing loaded";

    // Two exercises, E = 3, R = 2: the planned 8 s and the 2 s lead-in. The
    // tick that changes phase leaves the circuit's time as it was; the last
    // exercise's clock and the circuit's reach 0 together.
    load(circuit("Pair", 3, 2, {"A", "B"}));
    EXPECT_EQ(line.last.timeLeftLine, "0:10 left \xC2\xB7 1 / 2");
    EXPECT_EQ(line.last.circuitLength, 10);
    run.btn_startClick();
    const std::vector<int64_t> left = {9, 8, 8, 7, 6, 5, 5, 4, 3, 3, 2, 1, 0, 0};
    const std::vector<int> position = {1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2};
    int phaseChanges = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        const RunMoment before = line.last;
        run.exercisetimerTimer();
        EXPECT_EQ(line.last.circuitLeft, left[i]) << "tick " << i + 1;
        EXPECT_EQ(line.last.position, position[i]) << "tick " << i + 1;
        EXPECT_EQ(line.last.status, view.status);
        // The label a change of phase brings was named the tick before, so the
        // big clock could draw it ahead.
        if (line.last.resting != before.resting) {
            EXPECT_EQ(line.last.status, before.nextStatus) << "tick " << i + 1;
            ++phaseChanges;
        }
    }
    EXPECT_EQ(phaseChanges, 4);
    EXPECT_EQ(line.last.state, RunState::Finished);
    EXPECT_EQ(line.last.timeLeftLine, "0:00 left \xC2\xB7 2 / 2");
    run.btn_stopClick(); // a finished run starts over
    EXPECT_EQ(line.last.timeLeftLine, "0:10 left \xC2\xB7 1 / 2");

    // Long circuits switch to hours; a skip moves both figures at once.
    load(circuit("Long", 1800, 600, {"A", "B", "C"}));
    EXPECT_EQ(line.last.timeLeftLine, "2:00:00 left \xC2\xB7 1 / 3");
    run.btn_startClick();
    run.skipForward();
    run.skipForward();
    EXPECT_EQ(line.last.timeLeftLine, "1:20:00 left \xC2\xB7 2 / 3");
    run.btn_stopClick();
    EXPECT_EQ(line.last.status, "Stopped");
    EXPECT_EQ(line.last.nextStatus, "Stopped") << "a stopped run's label stays";
    EXPECT_EQ(line.last.position, 2);
    EXPECT_EQ(shortdurationtext(3599), "59:59");
    EXPECT_EQ(shortdurationtext(3600), "1:00:00");

    load(circuit("Empty", 30, 15, {}));
    EXPECT_EQ(line.last.timeLeftLine, "");
    run.removeView(line);
    const int shown = line.shown;
    load(circuit("Pair", 3, 2, {"A", "B"}));
    EXPECT_EQ(line.shown, shown);
}

TEST_F(RunLogicTest, skipForward_endsTheIntervalAsIfItRanOut) {
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.skipForward(); // loaded, not started: nothing to skip
    EXPECT_EQ(view.clock, "00:02");
    EXPECT_EQ(cue.plays, 0);

    run.btn_startClick();
    run.exercisetimerTimer();
    const int timerStarts = view.timerStarts;
    run.skipForward(); // out of the lead-in
    EXPECT_EQ(view.status, "Now: A");
    EXPECT_EQ(view.clock, "00:03");
    EXPECT_EQ(view.phase, "exercise");
    EXPECT_EQ(cue.plays, 1);
    EXPECT_TRUE(view.timerActive);
    EXPECT_EQ(view.timerStarts, timerStarts + 1) << "the new interval begins on a whole second";

    run.btn_stopClick(); // while stopped the label keeps saying so
    run.skipForward();
    EXPECT_EQ(view.timerStarts, timerStarts + 1) << "no timer while stopped";
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_EQ(view.phase, "rest");
    EXPECT_EQ(view.hint, "How to B");
    EXPECT_FALSE(view.linkVisible);
    EXPECT_EQ(run.position(), 1);
    EXPECT_EQ(cue.plays, 2);
    run.btn_startClick();
    EXPECT_EQ(view.status, "Next: B");

    run.skipForward();
    run.skipForward(); // the last exercise ends: the finish, as if it ran out
    EXPECT_EQ(view.status, "Finished");
    EXPECT_FALSE(view.timerActive);
    EXPECT_EQ(view.front, CommandButton::Stop);
    EXPECT_EQ(cue.plays, 4);
    run.skipForward(); // never past the finish
    EXPECT_EQ(cue.plays, 4);
    EXPECT_EQ(run.position(), 2);

    // Skipping to the end while stopped finishes too, with Stop in front.
    load(circuit("One", 3, 2, {"A"}));
    run.btn_startClick();
    run.btn_stopClick();
    run.skipForward();
    run.skipForward();
    EXPECT_EQ(run.state(), RunState::Finished);
    EXPECT_EQ(view.front, CommandButton::Stop);
    run.startOrStop(); // Space presses the button in front
    EXPECT_EQ(view.status, "Stopped");
    run.startOrStop();
    EXPECT_EQ(view.status, "Next: A");
    EXPECT_TRUE(view.timerActive);
}

TEST_F(RunLogicTest, skipBack_restartsOrGoesBackButNeverBeforeTheLeadIn) {
    load(circuit("Trio", 10, 5, {"A", "B", "C"}));
    run.btn_startClick();
    run.skipBack(); // the lead-in has nothing before it
    EXPECT_EQ(view.clock, "00:05");
    EXPECT_EQ(view.status, "Next: A");
    ticks(4);
    const int timerStarts = view.timerStarts;
    run.skipBack(); // 4 s in: back to this interval's start, on a whole second
    EXPECT_EQ(view.clock, "00:05");
    EXPECT_EQ(view.phase, "rest");
    EXPECT_EQ(view.timerStarts, timerStarts + 1);

    run.skipForward(); // A
    ticks(3);
    run.skipBack(); // 3 s in: the previous interval, the lead-in
    EXPECT_EQ(view.phase, "rest");
    EXPECT_EQ(view.clock, "00:05");
    EXPECT_EQ(view.status, "Next: A");

    run.skipForward();
    run.skipForward(); // rest before B
    ASSERT_EQ(view.status, "Next: B");
    run.skipBack(); // back into A, at its start
    EXPECT_EQ(view.status, "Now: A");
    EXPECT_EQ(view.clock, "00:10");
    EXPECT_EQ(view.hint, "How to A");
    EXPECT_TRUE(view.linkVisible);
    EXPECT_EQ(run.position(), 0);
    EXPECT_EQ(cue.plays, 3) << "going back sounds no cue";

    // From the finish: the last exercise's start, paused.
    ASSERT_EQ(ticksToFinish(), 11 + 2 * 17);
    run.skipBack();
    EXPECT_EQ(run.state(), RunState::Stopped);
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_EQ(view.front, CommandButton::Start);
    EXPECT_EQ(view.phase, "exercise");
    EXPECT_EQ(view.clock, "00:10");
    EXPECT_EQ(run.position(), 2);
    run.btn_startClick();
    EXPECT_EQ(view.status, "Now: C");
    EXPECT_EQ(ticksToFinish(), 11);
}

TEST_F(RunLogicTest, aids_askedForAtTheirMomentsOnlyWhenTurnedOn) {
    FakeAnnouncer announcer;
    FakeAwake awake;
    run.setAids({&cue, &announcer, &awake});

    // The defaults: nothing spoken, no ticks; the screen kept awake while running.
    load(circuit("Pair", 4, 2, {"A", "B"}));
    run.btn_startClick();
    EXPECT_TRUE(awake.held);
    ticksToFinish();
    EXPECT_TRUE(announcer.log.empty());
    EXPECT_FALSE(awake.held) << "released at the finish";

    run.setOptions({.speakNames = true, .countdown = true, .keepAwake = true});
    announcer.log.clear();
    load(circuit("Pair", 4, 2, {"A", "B"}));
    run.btn_startClick();
    ticksToFinish();
    EXPECT_EQ(announcer.take("speak"),
              (std::vector<std::string>{"speak Next: A", "speak A", "speak Next: B", "speak B",
                                        "speak Circuit finished"}));
    EXPECT_TRUE(announcer.preparedAhead());
    // A tick as the count reaches 3, 2 and 1 in every interval: the 2 s rests
    // begin at 2 and count down to 1 once.
    EXPECT_EQ(announcer.take("tick").size(), 1u + 3 + 1 + 3);
    const auto firstTick = std::find(announcer.log.begin(), announcer.log.end(), "tick");
    EXPECT_EQ(std::count(announcer.log.begin(), firstTick, "speak A"), 0);

    // Going back while running names the interval that begins again.
    load(circuit("Pair", 4, 2, {"A", "B"}));
    run.btn_startClick();
    run.skipForward();
    announcer.log.clear();
    run.skipBack();
    EXPECT_EQ(announcer.take("speak"), std::vector<std::string>{"speak Next: A"});

    // Resuming part-way says nothing again; the awake hold follows Stop,
    // Start and the option.
    load(circuit("Pair", 4, 2, {"A", "B"}));
    run.btn_startClick();
    ticks(1);
    run.btn_stopClick();
    EXPECT_FALSE(awake.held);
    announcer.log.clear();
    run.btn_startClick();
    EXPECT_TRUE(announcer.take("speak").empty());
    EXPECT_TRUE(awake.held);
    run.setOptions({.speakNames = true, .countdown = false, .keepAwake = false});
    EXPECT_FALSE(awake.held);
    ticks(1);
    EXPECT_TRUE(announcer.take("tick").empty());
    run.setOptions({});
    EXPECT_TRUE(awake.held) << "turned back on mid-run";
    {
        FakeView otherView;
        CircuitRun other{otherView};
        other.setAids({&cue, &announcer, &awake});
        awake.held = false;
        other.intialisecircuit(circuit("Pair", 4, 2, {"A", "B"}));
        other.btn_startClick();
        EXPECT_TRUE(awake.held);
    }
    EXPECT_FALSE(awake.held) << "released when the run goes away";
    EXPECT_TRUE(run.runInProgress());
    run.setAids({.cue = &cue}); // the aids end before the fixture's run
    EXPECT_EQ(awake.holds, 7)
        << "one hold per Start, one when turned back on, one by the other run";
}

// The time-left line of a circuit of two exercises in two rounds.
std::string roundLine(const char* left, int position, int round) {
    return std::string(left) + " left \xC2\xB7 " + std::to_string(position) +
           " / 2 \xC2\xB7 round " + std::to_string(round) + " / 2";
}

// Two rounds with a round rest, a warm-up, a cool-down, a sided exercise and a
// repetition entry: every phase as it begins, then ended as a user would.
TEST_F(RunLogicTest, keyedCircuit_walksEveryPhaseWithItsLabelPhraseAndTimeLeft) {
    FakeAnnouncer announcer;
    run.setAids({&cue, &announcer, nullptr});
    run.setOptions({.speakNames = true, .countdown = true, .keepAwake = false});
    RecordingDisplay line;
    run.addView(line);
    load(writeCircuit(folder, "Keyed.cir",
                      keyedCircuitText("Keyed", "2 rounds=2 roundrest=5 warmup=3 cooldown=2", 1,
                                       {"A\tsides=2", "B\treps=15 work=4"})));
    EXPECT_EQ(line.last.circuitLength, 29) << "the planned 28 s and the 1 s lead-in";

    struct Step {
        PhaseKind kind;
        const char* status;
        const char* phrase;
        const char* clock;
        std::string line;
    };
    const std::vector<Step> steps = {
        {PhaseKind::WarmUp, "Warm-up", "Warm-up", "00:03", roundLine("0:29", 1, 1)},
        {PhaseKind::Rest, "Next: A", "Next: A", "00:01", roundLine("0:26", 1, 1)},
        {PhaseKind::Work, "Now: A", "A", "00:02", roundLine("0:25", 1, 1)},
        {PhaseKind::Work, "Now: A", "Switch sides", "00:02", roundLine("0:23", 1, 1)},
        {PhaseKind::Rest, "Next: B", "Next: 15 B", "00:01", roundLine("0:21", 2, 1)},
        {PhaseKind::Reps, "Now: 15 x B", "15 B", "00:00", roundLine("0:20", 2, 1)},
        {PhaseKind::Rest, "Next: A", "Round 2 of 2. Next: A", "00:05", roundLine("0:16", 1, 2)},
        {PhaseKind::Work, "Now: A", "A", "00:02", roundLine("0:11", 1, 2)},
        {PhaseKind::Work, "Now: A", "Switch sides", "00:02", roundLine("0:09", 1, 2)},
        {PhaseKind::Rest, "Next: B", "Next: 15 B", "00:01", roundLine("0:07", 2, 2)},
        {PhaseKind::Reps, "Now: 15 x B", "15 B", "00:00", roundLine("0:06", 2, 2)},
        {PhaseKind::CoolDown, "Cool-down", "Cool-down", "00:02", roundLine("0:02", 2, 2)},
    };
    run.btn_startClick();
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE("phase " + std::to_string(i));
        EXPECT_EQ(line.last.kind, step.kind);
        EXPECT_EQ(view.status, step.status);
        EXPECT_EQ(announcer.take("speak").back(), "speak " + std::string(step.phrase));
        EXPECT_EQ(view.clock, step.clock);
        EXPECT_EQ(line.last.timeLeftLine, step.line);
        if (step.kind != PhaseKind::Reps) {
            run.repetitionsDone(); // nothing outside a repetition phase
            EXPECT_EQ(view.status, step.status);
            ticks(static_cast<int>(run.intervalLength()) + 1);
            continue;
        }
        // Counts up without ticks; past its 4 s estimate the circuit's time
        // stands; it ends only when the user says so.
        const int64_t left = line.last.circuitLeft;
        const size_t countdownTicks = announcer.take("tick").size();
        ticks(2);
        EXPECT_EQ(line.last.circuitLeft, left - 2);
        ticks(4);
        EXPECT_EQ(view.clock, "00:06");
        EXPECT_EQ(line.last.circuitLeft, left - 4);
        EXPECT_EQ(view.status, step.status);
        EXPECT_EQ(announcer.take("tick").size(), countdownTicks);
        run.repetitionsDone();
    }
    EXPECT_EQ(view.status, "Finished");
    EXPECT_EQ(announcer.take("speak").back(), "speak Circuit finished");
    EXPECT_EQ(line.last.timeLeftLine, roundLine("0:00", 2, 2));
    EXPECT_EQ(cue.plays, 12);
    EXPECT_FALSE(announcer.take("tick").empty());
    EXPECT_TRUE(announcer.preparedAhead());
}

// The big clock's line under the status: during each exercise what follows it.
TEST_F(RunLogicTest, upNext_namesTheFollowingExerciseDuringWorkOnly_acrossSidesAndRounds) {
    RecordingDisplay display;
    run.addView(display);
    load(writeCircuit(folder, "Keyed.cir",
                      keyedCircuitText("Keyed", "2 rounds=2 warmup=3 cooldown=2", 1,
                                       {"A\tsides=2", "B\treps=15", "C"})));
    EXPECT_EQ(display.last.upNextText, std::nullopt) << "loaded";
    EXPECT_EQ(display.last.upNext, "");
    run.btn_startClick();
    std::vector<std::string> seen; // per phase: its label, then what the clock adds under it
    while (run.state() == RunState::Running) {
        seen.push_back(view.status + " | " + display.last.upNext);
        EXPECT_EQ(display.last.upNextText.has_value(),
                  !run.isResting() && display.last.kind != PhaseKind::WarmUp &&
                      display.last.kind != PhaseKind::CoolDown);
        if (display.last.kind == PhaseKind::Reps)
            run.repetitionsDone();
        else
            run.skipForward();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Warm-up | ",
                        "Next: A | ",
                        "Now: A | Next: B",
                        "Now: A | Next: B",
                        "Next: B | ",
                        "Now: 15 x B | Next: C",
                        "Next: C | ",
                        "Now: C | Next: A",
                        "Next: A | ",
                        "Now: A | Next: B",
                        "Now: A | Next: B",
                        "Next: B | ",
                        "Now: 15 x B | Next: C",
                        "Next: C | ",
                        "Now: C | Last exercise",
                        "Cool-down | ",
                    }));
    EXPECT_EQ(display.last.upNextText, std::nullopt) << "finished";

    // A pause keeps the line: the label says Stopped, the clock still tells what follows.
    load(circuit("Pair", 3, 2, {"A", "B"}));
    run.btn_startClick();
    ticks(4);
    run.btn_stopClick();
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_EQ(display.last.upNext, "Next: B");
    EXPECT_EQ(display.last.upNextText, (RunText{RunTextId::Next, "B"}));
    run.btn_startClick();
    ticks(7);
    EXPECT_EQ(view.status, "Now: B");
    EXPECT_EQ(display.last.upNextText, RunText{RunTextId::LastExercise});
}

TEST_F(RunLogicTest, skips_walkThePhasesAcrossRounds) {
    FakeAnnouncer announcer;
    run.setAids({&cue, &announcer, nullptr});
    run.setOptions({.speakNames = true, .countdown = false, .keepAwake = false});
    RecordingDisplay line;
    run.addView(line);
    load(writeCircuit(
        folder, "Rounds.cir",
        keyedCircuitText("Rounds", "10 rounds=2 warmup=30 cooldown=20", 5, {"A", "B\treps=12"})));
    run.btn_startClick();
    ticks(2);
    run.skipBack(); // nothing comes before the warm-up: it starts again
    EXPECT_EQ(view.status, "Warm-up");
    EXPECT_EQ(view.clock, "00:30");

    for (int i = 0; i < 5; ++i) // the warm-up and round 1
        run.skipForward();
    EXPECT_EQ(view.status, "Next: A");
    EXPECT_EQ(announcer.take("speak").back(), "speak Round 2 of 2. Next: A");
    EXPECT_EQ(line.last.round, 2);

    run.skipBack(); // at the round's start: back to round 1's repetitions, from 0
    EXPECT_EQ(view.status, "Now: 12 x B");
    EXPECT_EQ(view.clock, "00:00");
    EXPECT_EQ(line.last.round, 1);
    ticks(5);
    run.skipBack(); // 5 s counted: the repetitions start again
    EXPECT_EQ(view.status, "Now: 12 x B");
    EXPECT_EQ(view.clock, "00:00");

    // From the finish: the cool-down, paused at its start.
    for (int i = 0; i < 6; ++i)
        run.skipForward();
    ASSERT_EQ(run.state(), RunState::Finished);
    run.skipBack();
    EXPECT_EQ(run.state(), RunState::Stopped);
    EXPECT_EQ(line.last.kind, PhaseKind::CoolDown);
    EXPECT_EQ(view.clock, "00:20");
    EXPECT_EQ(line.last.timeLeftLine, "0:20 left \xC2\xB7 2 / 2 \xC2\xB7 round 2 / 2");
    run.btn_startClick();
    EXPECT_EQ(view.status, "Cool-down");
}

} // namespace
