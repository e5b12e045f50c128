#pragma once

#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "runner/runaids.h"
#include "runner/runview.h"

#include <cstdint>
#include <string>
#include <vector>

class RunObserver;

// The timed run of one circuit: the phases of its plan (data/circuitplan.h)
// one after the other; a circuit without keys is a lead-in rest, then each
// exercise with a rest between each two. A timed phase counts down one tick at
// a time and ends the tick after it shows 00:00 (with exact counting, on the
// tick that would show it: RunOptions::exactIntervals); a repetition phase counts up
// until the user ends it. The ticks come from outside (the frame's one-second
// timer, or a test), and everything the run shows goes to each of its views in
// turn. The run's state is its own: views and tests ask, never set.
class CircuitRun final {
public:
    // view: the run's first view, the runner frame, whose timer gives the ticks.
    explicit CircuitRun(RunView& view);
    ~CircuitRun();
    CircuitRun(const CircuitRun&) = delete;
    CircuitRun& operator=(const CircuitRun&) = delete;

    // Who hears of starts, seconds run, completed exercises, the finish and
    // the circuit being left; none by default. The caller keeps it alive
    // longer than the run.
    void setObserver(RunObserver* observer) { m_observer = observer; }
    RunObserver* observer() const { return m_observer; }

    // Loads the circuit file at path. Raises IoError and changes nothing when
    // the file cannot be read.
    void intialisecircuit(const std::string& path);

    void btn_startClick();
    void btn_stopClick();
    void lbl_launchClick();
    void exercisetimerTimer();

    // The main window brings Start forward after a load.
    void bringStartToFront() { bringToFront(CommandButton::Start); }

    // Space: presses whichever of Start and Stop is in front.
    void startOrStop();
    // Ends the phase under way now, as if its time had run out. While
    // running or stopped; never past the finish. A repetition phase ended so
    // counts as done.
    void skipForward();
    // Enter, or a click on the clock: ends a repetition phase as done; nothing
    // in any other phase.
    void repetitionsDone();
    // Back to the start of the previous phase, or of this one once more than
    // kRestartAfter seconds of it have run. Never before the first phase.
    void skipBack();
    static constexpr int64_t kRestartAfter = 3;
    // Whether skipForward() and skipBack() would change anything now.
    bool canSkipForward() const;
    bool canSkipBack() const;

    // True exactly while the run timer is active.
    bool runInProgress() const { return m_state == RunState::Running; }
    RunState state() const { return m_state; }
    const TCircuit2& circuit() const { return runcircuit; }
    // The exercise entry under way (warm-up: the first, cool-down: past the
    // last); the count once finished.
    int position() const;
    bool isResting() const { return shownPhase().kind == PhaseKind::Rest; }
    CommandButton frontButton() const { return m_front; }

    // Exercises the run goes through: at most 100, however many lines the file had.
    int exerciseCount() const;
    // Seconds the clock shows (counted up in a repetition phase), and the
    // phase's seconds (a repetition phase's estimate).
    int64_t intervalLeft() const { return m_clock; }
    int64_t intervalLength() const { return shownPhase().seconds; }
    RunMoment moment() const;

    // Further views of this run, after the first; each is shown the current
    // moment at once. A view is told until it is removed.
    void addView(RunView& view);
    void removeView(RunView& view);

    // The cue and the training aids; without them the run is silent and the
    // screen is left to the desktop. The caller keeps them alive as long as
    // the run.
    void setAids(const RunAids& aids);
    void setOptions(const RunOptions& options);
    const RunOptions& options() const { return m_options; }

    // Shown when Start finds nothing to run.
    static inline const RunText kNoExercisesText{RunTextId::NoExercises};

private:
    // The phase under way; once finished, the first (the run starts over from
    // it); a circuit without exercises shows a rest of its rest interval.
    PlanPhase shownPhase() const;
    bool finishedPlan() const { return m_phase >= m_plan.phases.size(); }
    // The entry a phase belongs to: warm-up the first, cool-down and the
    // finish an empty one past the last.
    int entryOf(size_t phase) const;
    const TExercise2& entryAt(int position) const;
    const TExercise2& current() const;
    // The label's text and the spoken phrase as a phase begins: a rest names
    // the exercise due, a work phase the one under way ("Now: " on the label
    // only); past the last phase the finish.
    RunText statusOf(size_t phase) const;
    RunText phraseOf(size_t phase) const;
    // What follows the exercise of a work phase: the next exercise (a second
    // side is the same one) or, past the last, LastExercise.
    RunText upNextOf(size_t phase) const;
    int64_t secondsIntoPhase() const;
    bool atPhaseStart() const { return secondsIntoPhase() == 0; }
    void settime();
    bool dectimer();
    void displaykinora();
    void showtime();

    void beginTimer();
    void endTimer();
    // Ends the phase under way. `done`: its time ran out or its repetitions
    // were ended, rather than being skipped; only then does work count.
    void phaseRanOut(bool done);
    // With exact counting, ends at once every timed phase of 0 seconds the run
    // has come to.
    void passEmptyPhases();
    void tellCompleted(size_t phase);
    void restartSecond();
    void finish();
    void setStatus(const RunText& text);
    void bringToFront(CommandButton button);
    void publish();
    // Tells every view, in the order they came: tell(&RunView::showStatus, text).
    template <class... Params, class... Args>
    void tell(void (RunView::*show)(Params...), const Args&... args);
    void playCue();

    // The phrase said as the interval under way begins, and the one said at
    // the next change of phase.
    RunText phraseNow() const;
    RunText phraseNext() const;
    void prepareAhead();
    void speak(const RunText& phrase);
    void holdAwake();
    void releaseAwake();

    TCircuit2 runcircuit;
    TCircuit2 m_nextCircuit; // read into, then swapped in: its storage is reused
    CircuitPlan m_plan;
    std::vector<int64_t> m_laterSeconds; // per phase: the seconds of every phase after it
    size_t m_phase = 0;                  // the plan's size once finished
    int64_t m_clock = 0;                 // seconds shown: left, or counted up

    std::vector<RunView*> m_views;
    RunState m_state = RunState::Idle;
    CommandButton m_front = CommandButton::Stop; // the frame is created with Stop in front
    RunText m_status;
    RunAids m_aids;
    bool m_holdingAwake = false;
    RunOptions m_options;
    RunObserver* m_observer = nullptr;
};
