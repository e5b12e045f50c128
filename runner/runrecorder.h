#pragma once

#include "data/historyfile.h"
#include "runner/runobserver.h"

#include <ctime>
#include <functional>
#include <optional>
#include <string>

// Decides which runs go into the training history and writes them:
// - a finished run, when it finishes;
// - a run stopped (or still counting) part-way, once it is left for good (another
//   circuit loaded, the program closed), if at least one exercise was done; a
//   run left before that leaves no trace.
// A Start after a Stop goes on with the same run. The time trained counts the
// ticks the timer delivered, so pauses do not count. A run is recorded as
// counted exactly only when every part of it was.
class RunRecorder final : public RunObserver {
public:
    // write: stores one entry, raising IoError when it cannot (appendhistory in
    // the program). now: the wall clock. failed: told why a write failed (the
    // error's text), at most once per run; the run goes on. The window words
    // the message (runner/runwords.h).
    RunRecorder(std::function<void(const HistoryEntry&)> write, std::function<std::time_t()> now,
                std::function<void(const std::string&)> failed);

    void runStarted(const TCircuit2& circuit, int exerciseCount) override;
    void countingChosen(bool exact) override;
    void secondRun() override;
    void exerciseCompleted(bool roundEnded) override;
    void runFinished() override;
    void circuitLeft() override;

private:
    void record(bool finished);

    std::function<void(const HistoryEntry&)> m_write;
    std::function<std::time_t()> m_now;
    std::function<void(const std::string&)> m_failed;
    std::optional<HistoryEntry> m_run; // the run under way or paused, not yet written
};
