#include "runnerfixtures.h"

#include "contentaddress.h"
#include "cuesound.h"
#include "ioerror.h"
#include "runlogic.h"
#include "runview.h"

#include <gtest/gtest.h>

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

class RunLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.makeApplicationFolder();
        setLibrary({"A", "B", "C", "D", "E", "Push up & go"}, {"A", "C", "Push up & go"});
    }

    std::string circuit(const std::string& name, uint32_t e, uint32_t r,
                        const std::vector<std::string>& exercises) {
        return writeCircuit(folder, name + ".cir", circuitText(name, e, r, exercises));
    }

    // Loads as the main window does: load, then Start brought forward.
    void load(const std::string& path) {
        run.intialisecircuit(path);
        view.front = CommandButton::Start;
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
    CircuitRun run{view, cue};
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
    EXPECT_EQ(run.exercisepos, 2);
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
    EXPECT_EQ(run.exercisepos, 0);
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
    const int pos = run.exercisepos;

    EXPECT_THROW(run.intialisecircuit(folder.path() + "Circuits/missing.cir"), IoError);
    EXPECT_THROW(run.intialisecircuit(""), IoError);
    const std::string bad =
        writeCircuit(folder, "bad.cir", "Bad\r\nUpper Body\r\nthirty\r\n10\r\nA\r\n");
    EXPECT_THROW(run.intialisecircuit(bad), IoError);

    EXPECT_EQ(run.state(), RunState::Stopped);
    EXPECT_EQ(run.runcircuit.circuitname, "Pair");
    EXPECT_EQ(run.exercisepos, pos);
    EXPECT_FALSE(run.resting);
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
    CircuitRun fresh{view, cue};
    fresh.btn_stopClick();
    fresh.btn_startClick();
    EXPECT_EQ(view.status, CircuitRun::kNoExercisesText);
    EXPECT_FALSE(fresh.runInProgress());
    EXPECT_EQ(view.timerStarts, 0);
}

TEST_F(RunLogicTest, settime_splitsIntervalIntoClockDigits) {
    struct Case {
        uint32_t rest;
        const char* clock; // tens of minutes may take several digits
    };
    for (const Case& c :
         {Case{754, "12:34"}, Case{599, "09:59"}, Case{5999, "99:59"}, Case{6000, "100:00"},
          Case{100000, "1666:40"}, Case{4294967295u, "71582788:15"}}) {
        run.runcircuit.restinterval = c.rest;
        run.resting = true;
        run.settime();
        EXPECT_EQ(view.clock, c.clock) << c.rest;
        const long long shown =
            600LL * run.tenminutes + 60 * run.minutes + 10 * run.tenseconds + run.seconds;
        EXPECT_EQ(shown, c.rest);
    }
}

TEST_F(RunLogicTest, dectimer_countsAcrossDigitsAndStopsAtZero) {
    run.runcircuit.exerciseinterval = 6000; // 100:00
    run.resting = false;
    run.settime();
    EXPECT_TRUE(run.dectimer());
    run.showtime();
    EXPECT_EQ(view.clock, "99:59");

    run.runcircuit.exerciseinterval = 601; // 10:01 counts down through every borrow
    run.settime();
    for (int left = 600; left >= 0; --left) {
        ASSERT_TRUE(run.dectimer());
        ASSERT_EQ(600 * run.tenminutes + 60 * run.minutes + 10 * run.tenseconds + run.seconds,
                  left);
        ASSERT_TRUE(run.minutes >= 0 && run.minutes <= 9 && run.tenseconds >= 0 &&
                    run.tenseconds <= 5 && run.seconds >= 0 && run.seconds <= 9);
    }
    EXPECT_FALSE(run.dectimer());
}

TEST_F(RunLogicTest, moreThanHundredExerciseLines_runStopsAtTheHundredth) {
    std::vector<std::string> many(120, "A");
    load(circuit("Long", 0, 0, many));
    EXPECT_EQ(run.exerciseCount(), 100);
    EXPECT_EQ(view.list.size(), 100u);
    run.btn_startClick();
    EXPECT_EQ(ticksToFinish(), 100 * 2);
    EXPECT_EQ(run.exercisepos, 100);
}

} // namespace
