#pragma once

#include "data/circuitfile.h"
#include "runner/runaids.h"
#include "runner/runview.h"

#include <cstdint>
#include <string>
#include <vector>

class RunObserver;

// The timed run of one circuit: a lead-in rest, then each exercise with a rest
// between each two, counted down one tick at a time. The ticks come from
// outside (the frame's one-second timer, or a test), and everything the run
// shows goes to each of its views in turn. The run's state is its own: views
// and tests ask, never set.
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
    // Ends the interval under way now, as if its time had run out. While
    // running or stopped; never past the finish.
    void skipForward();
    // Back to the start of the previous interval, or of this one once more
    // than kRestartAfter seconds of it have run. Never before the lead-in.
    void skipBack();
    static constexpr int64_t kRestartAfter = 3;

    // True exactly while the run timer is active.
    bool runInProgress() const { return m_state == RunState::Running; }
    RunState state() const { return m_state; }
    const TCircuit2& circuit() const { return runcircuit; }
    int position() const { return exercisepos; }
    bool isResting() const { return resting; }
    CommandButton frontButton() const { return m_front; }

    // Exercises the run goes through: at most 100, however many lines the file had.
    int exerciseCount() const;
    // Seconds the clock shows, and the seconds the interval began with.
    int64_t intervalLeft() const;
    int64_t intervalLength() const;
    RunMoment moment() const;

    // "0:14", "12:34", from one hour "1:02:03".
    static std::string durationText(int64_t seconds);

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

    static constexpr const char* kNoExercisesText = "This circuit has no exercises";
    static constexpr const char* kFinishedPhrase = "Circuit finished";
    static constexpr const char* kFinishedText = "Finished";

private:
    const TExercise2& entryAt(int position) const;
    const TExercise2& current() const;
    // The label's text and the spoken phrase as an interval begins: a rest
    // names the exercise due, an exercise the one under way ("Now: " on the
    // label only).
    std::string statusOf(bool restingThen, int position) const;
    std::string phraseOf(bool restingThen, int position) const;
    // The interval after the one under way: none after the last exercise,
    // else the other phase at this position (after a rest) or the next one.
    bool lastInterval() const;
    int nextPosition() const { return resting ? exercisepos : exercisepos + 1; }
    void settime();
    bool dectimer();
    void displaykinora();
    void showtime();

    void beginTimer();
    void endTimer();
    // Ends the interval under way. `onTheClock`: its time ran out, rather than
    // being skipped; only then does an exercise count as completed.
    void intervalRanOut(bool onTheClock);
    void restartSecond();
    void finish();
    void setStatus(const std::string& text);
    void bringToFront(CommandButton button);
    void publish();
    // Tells every view, in the order they came: tell(&RunView::setStatus, text).
    template <class... Params, class... Args>
    void tell(void (RunView::*show)(Params...), const Args&... args);
    void playCue();

    // The phrase said as the interval under way begins, and the one said at
    // the next change of phase.
    std::string phraseNow() const;
    std::string phraseNext() const;
    void prepareAhead();
    void speak(const std::string& phrase);
    void holdAwake();
    void releaseAwake();

    TCircuit2 runcircuit;
    TCircuit2 m_nextCircuit; // read into, then swapped in: its storage is reused
    int exercisepos = 0;
    bool resting = true;
    int tenminutes = 0;
    int minutes = 0;
    int tenseconds = 0;
    int seconds = 0;

    std::vector<RunView*> m_views;
    RunState m_state = RunState::Idle;
    CommandButton m_front = CommandButton::Stop; // the frame is created with Stop in front
    std::string m_status;
    RunAids m_aids;
    bool m_holdingAwake = false;
    RunOptions m_options;
    RunObserver* m_observer = nullptr;
};
