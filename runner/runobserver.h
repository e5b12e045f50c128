#pragma once

struct TCircuit2;

// Hears the few moments of a run that matter beyond the screen (the training
// history listens). Every call comes from the run logic, on its thread.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // Start was pressed and the timer runs: a new run, or a stopped one going on.
    virtual void runStarted(const TCircuit2& circuit, int exerciseCount) = 0;
    // How the run counts its intervals (RunOptions::exactIntervals): told
    // after every runStarted, and again as the option changes.
    virtual void countingChosen(bool /*exact*/) {}
    // One tick counted while the run timer was active.
    virtual void secondRun() = 0;
    // An exercise was done: its work ran out, or its repetitions were ended;
    // a sided exercise once, after its second side. roundEnded: it was the
    // last of its round.
    virtual void exerciseCompleted(bool roundEnded) = 0;
    // The run reached its finish, its last phase run out or skipped.
    virtual void runFinished() = 0;
    // The loaded circuit is given up: another one was loaded, or the runner goes
    // away. A stop alone is only a pause: Start goes on with the same run.
    virtual void circuitLeft() = 0;
};
