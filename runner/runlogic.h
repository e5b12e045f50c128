#pragma once

#include "circuitfile.h"
#include "runaids.h"

#include <string>

class CueSound;
class RunObserver;
class RunView;

enum class RunState { Idle, Loaded, Running, Stopped, Finished };

// The timed run of one circuit: a lead-in rest, then each exercise with a rest
// between each two, counted down one tick at a time. The ticks come from
// outside (the frame's one-second timer, or a test), and everything the run
// shows goes through the view.
class CircuitRun final {
public:
    CircuitRun(RunView& view, CueSound& cue);
    // A run still loaded is left: the observer hears of it.
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

    void settime();
    bool dectimer();
    void displaykinora();
    void showtime();

    // True exactly while the run timer is active.
    bool runInProgress() const { return m_state == RunState::Running; }
    RunState state() const { return m_state; }

    // Exercises the run goes through: at most 100, however many lines the file had.
    int exerciseCount() const;

    TCircuit2 runcircuit;
    int exercisepos = 0;
    bool resting = true;
    int tenminutes = 0;
    int minutes = 0;
    int tenseconds = 0;
    int seconds = 0;

    // The training aids; without them the run is the designed one. The
    // caller keeps both alive as long as the run.
    void setAids(RunAnnouncer* announcer, ScreenAwake* awake);
    void setOptions(const RunOptions& options);
    const RunOptions& options() const { return m_options; }

    static constexpr const char* kNoExercisesText = "This circuit has no exercises";

private:
    const TExercise2& current() const;
    void beginTimer();
    void endTimer();

    RunView& m_view;
    CueSound& m_cue;
    RunState m_state = RunState::Idle;
    RunAnnouncer* m_announcer = nullptr;
    ScreenAwake* m_awake = nullptr;
    RunOptions m_options;
    RunObserver* m_observer = nullptr;
};
