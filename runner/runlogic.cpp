#include "runlogic.h"

#include "contentaddress.h"
#include "cuesound.h"
#include "runobserver.h"
#include "runview.h"

#include <algorithm>

CircuitRun::CircuitRun(RunView& view, CueSound& cue) : m_view(view), m_cue(cue) {}

CircuitRun::~CircuitRun() {
    if (m_observer)
        m_observer->circuitLeft();
}

void CircuitRun::setAids(RunAnnouncer* announcer, ScreenAwake* awake) {
    m_announcer = announcer;
    m_awake = awake;
}

void CircuitRun::setOptions(const RunOptions& options) { m_options = options; }

int CircuitRun::exerciseCount() const {
    return std::clamp(runcircuit.exercisecount, 0, kMaxCircuitExercises);
}

const TExercise2& CircuitRun::current() const {
    // The position stops at the count, and entry 100 always stays free, so the
    // entry after the last exercise is an empty one.
    const int entry = std::clamp(exercisepos, 0, kMaxCircuitExercises);
    return runcircuit.exercises[static_cast<size_t>(entry)];
}

void CircuitRun::beginTimer() {
    m_state = RunState::Running;
    m_view.startRunTimer();
}

void CircuitRun::endTimer() {
    m_view.stopRunTimer();
}

void CircuitRun::intialisecircuit(const std::string& path) {
    TCircuit2 loaded = readcircuit(path); // a failed read leaves everything as it was
    if (m_observer)
        m_observer->circuitLeft();
    if (m_state == RunState::Running)
        endTimer();
    runcircuit = std::move(loaded);
    exercisepos = 0;
    resting = true;
    m_state = RunState::Loaded;

    m_view.clearExercises();
    for (int i = 0; i < exerciseCount(); ++i)
        m_view.addExercise(runcircuit.exercises[static_cast<size_t>(i)].name);
    settime();
    m_view.setStatus(runcircuit.circuitname);
    m_view.setDescriptionHint(current().description);
}

void CircuitRun::btn_startClick() {
    if (m_state != RunState::Loaded && m_state != RunState::Stopped)
        return;
    if (exerciseCount() == 0) {
        m_view.setStatus(kNoExercisesText);
        return;
    }
    if (m_state == RunState::Stopped) {
        // Resume the interval that was under way, from the frozen digits.
        m_view.setStatus((resting ? "Next: " : "Now: ") + current().name);
    } else {
        exercisepos = 0;
        m_view.setStatus("Next: " + current().name);
    }
    if (m_observer)
        m_observer->runStarted(runcircuit, exerciseCount());
    displaykinora();
    // After a finish the hint was emptied; the run starting over shows it again.
    m_view.setDescriptionHint(current().description);
    beginTimer();
    m_view.bringToFront(CommandButton::Stop);
}

void CircuitRun::btn_stopClick() {
    // Stop pauses: the position is kept so that Start resumes where the run
    // was. Only a finished run starts over from the lead-in rest.
    if (exercisepos >= exerciseCount())
        exercisepos = 0;
    m_view.setStatus("Stopped");
    endTimer();
    m_state = RunState::Stopped;
    m_view.bringToFront(CommandButton::Start);
}

void CircuitRun::lbl_launchClick() {
    const std::string name = current().name;
    btn_stopClick();
    m_view.openPage(kinoradexpageaddress(name));
}

void CircuitRun::exercisetimerTimer() {
    if (m_state != RunState::Running)
        return;
    if (m_observer)
        m_observer->secondRun();
    if (dectimer()) {
        showtime();
        return;
    }
    if (resting) {
        resting = false;
        settime();
        m_view.setStatus("Now: " + current().name);
        m_cue.play();
        return;
    }
    m_cue.play();
    if (m_observer)
        m_observer->exerciseCompleted();
    resting = true;
    settime();
    ++exercisepos;
    displaykinora();
    if (exercisepos >= exerciseCount()) {
        m_view.setStatus("Finished");
        endTimer();
        m_state = RunState::Finished;
        if (m_observer)
            m_observer->runFinished();
    } else {
        m_view.setStatus("Next: " + current().name);
    }
    m_view.setDescriptionHint(current().description);
}

void CircuitRun::settime() {
    const uint32_t total = resting ? runcircuit.restinterval : runcircuit.exerciseinterval;
    m_view.showPhase(resting);
    // Below 100 minutes tenminutes is one digit; above, it keeps the leading
    // minutes whole (6000 s: 10, 0, 0, 0), so the count stays exact.
    tenminutes = static_cast<int>(total / 600);
    minutes = static_cast<int>((total % 600) / 60);
    tenseconds = static_cast<int>((total % 60) / 10);
    seconds = static_cast<int>(total % 10);
    showtime();
}

bool CircuitRun::dectimer() {
    seconds -= 1;
    if (seconds >= 0)
        return true;
    if (tenseconds == 0 && minutes == 0 && tenminutes == 0)
        return false; // stood at 00:00; the caller sets the clock afresh
    seconds += 10;
    tenseconds -= 1;
    if (tenseconds < 0) {
        tenseconds += 6;
        minutes -= 1;
    }
    if (minutes < 0) {
        minutes += 10;
        tenminutes -= 1;
    }
    return true;
}

void CircuitRun::displaykinora() {
    m_view.setLinkVisible(current().online != 0);
}

void CircuitRun::showtime() {
    m_view.showDigits(tenminutes, minutes, tenseconds, seconds);
}
