#include "runner/runrecorder.h"

#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "data/textencoding.h"

#include <algorithm>
#include <exception>

RunRecorder::RunRecorder(std::function<void(const HistoryEntry&)> write,
                         std::function<std::time_t()> now,
                         std::function<void(const std::string&)> failed)
    : m_write(std::move(write)), m_now(std::move(now)), m_failed(std::move(failed)) {}

void RunRecorder::runStarted(const TCircuit2& circuit, int exerciseCount) {
    if (m_run)
        return; // a stopped run going on
    HistoryEntry entry;
    entry.started = localtimestamp(m_now());
    // The history is UTF-8; a circuit file may hold Latin-1.
    entry.circuitname = asutf8(circuit.circuitname);
    entry.circuittype = asutf8(circuit.circuittype);
    // The circuit's time as the catalogue shows it.
    entry.plannedseconds = plannedseconds(circuit);
    const uint32_t rounds = std::clamp<uint32_t>(circuit.keys.rounds, 1, kMaxRounds);
    entry.exercisecount = static_cast<uint32_t>(std::max(exerciseCount, 0)) * rounds;
    entry.roundsplanned = rounds;
    m_run = std::move(entry);
}

void RunRecorder::countingChosen(bool exact) {
    // A change part-way through leaves a run that was not counted exactly
    // throughout, whichever way it went.
    if (m_run)
        m_run->exact = m_run->exact.value_or(true) && exact;
}

void RunRecorder::secondRun() {
    if (m_run)
        ++m_run->secondsrun;
}

void RunRecorder::exerciseCompleted(bool roundEnded) {
    if (!m_run)
        return;
    if (m_run->exercisesdone < m_run->exercisecount)
        ++m_run->exercisesdone;
    if (roundEnded && m_run->roundscompleted < m_run->roundsplanned)
        ++m_run->roundscompleted;
}

void RunRecorder::runFinished() { record(true); }

void RunRecorder::circuitLeft() { record(false); }

void RunRecorder::record(bool finished) {
    // A circuit left or skipped to its end without one exercise done is no
    // training.
    if (!m_run || m_run->exercisesdone == 0) {
        m_run.reset();
        return;
    }
    HistoryEntry entry = std::move(*m_run);
    m_run.reset();
    entry.finished = finished;
    entry.exact = entry.exact.value_or(false); // a run nobody told of counts as designed
    // Nothing may escape: the run goes on, and the runner's destructor writes too.
    try {
        m_write(entry);
    } catch (const std::exception& error) {
        if (m_failed)
            m_failed(error.what());
    }
}
