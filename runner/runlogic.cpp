#include "runner/runlogic.h"

#include "data/contentaddress.h"
#include "runner/cuesound.h"
#include "runner/runobserver.h"

#include <algorithm>
#include <utility>

CircuitRun::CircuitRun(RunView& view) : m_views{&view} {}

template <class... Params, class... Args>
void CircuitRun::tell(void (RunView::*show)(Params...), const Args&... args) {
    // By index: a view may come or go while the others are told.
    for (size_t i = 0; i < m_views.size(); ++i)
        (m_views[i]->*show)(args...);
}

CircuitRun::~CircuitRun() {
    // Quitting mid-run must not leave the screen saver held off.
    releaseAwake();
    if (m_observer)
        m_observer->circuitLeft();
}

void CircuitRun::setAids(const RunAids& aids) {
    releaseAwake();
    m_aids = aids;
    if (runInProgress())
        holdAwake();
    prepareAhead();
}

void CircuitRun::setOptions(const RunOptions& options) {
    m_options = options;
    if (!m_options.keepAwake)
        releaseAwake();
    else if (runInProgress())
        holdAwake();
    prepareAhead();
}

int CircuitRun::exerciseCount() const {
    return std::clamp(runcircuit.exercisecount, 0, kMaxCircuitExercises);
}

const TExercise2& CircuitRun::entryAt(int position) const {
    // The position stops at the count, and entry 100 always stays free, so the
    // entry after the last exercise is an empty one.
    const int entry = std::clamp(position, 0, kMaxCircuitExercises);
    return runcircuit.exercises[static_cast<size_t>(entry)];
}

const TExercise2& CircuitRun::current() const {
    return entryAt(exercisepos);
}

std::string CircuitRun::statusOf(bool restingThen, int position) const {
    return (restingThen ? "Next: " : "Now: ") + entryAt(position).name;
}

std::string CircuitRun::phraseOf(bool restingThen, int position) const {
    return restingThen ? "Next: " + entryAt(position).name : entryAt(position).name;
}

bool CircuitRun::lastInterval() const {
    return !resting && exercisepos + 1 >= exerciseCount();
}

void CircuitRun::beginTimer() {
    m_state = RunState::Running;
    tell(&RunView::startRunTimer);
    holdAwake();
}

void CircuitRun::endTimer() {
    tell(&RunView::stopRunTimer);
    releaseAwake();
}

void CircuitRun::setStatus(const std::string& text) {
    m_status = text;
    tell(&RunView::setStatus, text);
}

void CircuitRun::bringToFront(CommandButton button) {
    m_front = button;
    tell(&RunView::bringToFront, button);
}

void CircuitRun::intialisecircuit(const std::string& path) {
    readcircuit(path, exercisetable(), m_nextCircuit); // a failed read leaves everything as it was
    if (m_observer)
        m_observer->circuitLeft();
    if (m_state == RunState::Running)
        endTimer();
    std::swap(runcircuit, m_nextCircuit);
    exercisepos = 0;
    resting = true;
    m_state = RunState::Loaded;

    tell(&RunView::clearExercises);
    for (int i = 0; i < exerciseCount(); ++i)
        tell(&RunView::addExercise, runcircuit.exercises[static_cast<size_t>(i)].name);
    settime();
    setStatus(runcircuit.circuitname);
    tell(&RunView::setDescriptionHint, current().description);
    prepareAhead();
    publish();
}

void CircuitRun::btn_startClick() {
    if (m_state != RunState::Loaded && m_state != RunState::Stopped)
        return;
    if (exerciseCount() == 0) {
        setStatus(kNoExercisesText);
        publish();
        return;
    }
    // A stopped run resumes the interval that was under way, from the frozen
    // digits; a loaded one begins with the lead-in rest.
    if (m_state != RunState::Stopped)
        exercisepos = 0;
    setStatus(statusOf(resting, exercisepos));
    if (m_observer)
        m_observer->runStarted(runcircuit, exerciseCount());
    displaykinora();
    // After a finish the hint was emptied; the run starting over shows it again.
    tell(&RunView::setDescriptionHint, current().description);
    // An interval that has not begun yet is announced as it begins; one resumed
    // part-way was announced already.
    if (intervalLeft() == intervalLength())
        speak(phraseNow());
    beginTimer();
    bringToFront(CommandButton::Stop);
    prepareAhead();
    publish();
}

void CircuitRun::btn_stopClick() {
    // Stop pauses: the position is kept so that Start resumes where the run
    // was. Only a finished run starts over from the lead-in rest.
    if (exercisepos >= exerciseCount())
        exercisepos = 0;
    setStatus("Stopped");
    endTimer();
    m_state = RunState::Stopped;
    bringToFront(CommandButton::Start);
    prepareAhead();
    publish();
}

void CircuitRun::startOrStop() {
    if (m_front == CommandButton::Stop)
        btn_stopClick();
    else
        btn_startClick();
}

void CircuitRun::lbl_launchClick() {
    const std::string name = current().name;
    btn_stopClick();
    tell(&RunView::openPage, kinoradexpageaddress(name));
}

void CircuitRun::exercisetimerTimer() {
    if (m_state != RunState::Running)
        return;
    if (m_observer)
        m_observer->secondRun();
    if (dectimer()) {
        showtime();
        const int64_t left = intervalLeft();
        if (m_options.countdown && m_aids.announcer && left >= 1 && left <= 3)
            m_aids.announcer->countdownTick();
        publish();
        return;
    }
    intervalRanOut(true);
    publish();
}

void CircuitRun::intervalRanOut(bool onTheClock) {
    // While stopped the label keeps saying so; the phase, clock and position move.
    const bool running = runInProgress();
    if (resting) {
        resting = false;
        settime();
        if (running)
            setStatus(statusOf(resting, exercisepos));
        playCue();
        if (running)
            speak(phraseNow());
        prepareAhead();
        return;
    }
    playCue();
    if (m_observer && onTheClock)
        m_observer->exerciseCompleted();
    resting = true;
    settime();
    ++exercisepos;
    displaykinora();
    if (exercisepos >= exerciseCount()) {
        finish();
    } else {
        if (running) {
            setStatus(statusOf(resting, exercisepos));
            speak(phraseNow());
        }
        prepareAhead();
    }
    tell(&RunView::setDescriptionHint, current().description);
}

void CircuitRun::finish() {
    const bool running = runInProgress();
    setStatus(kFinishedText);
    endTimer();
    m_state = RunState::Finished;
    if (m_observer)
        m_observer->runFinished();
    // A run skipped to its end while stopped is finished as one that ran out:
    // Stop in front, so that Stop and Start run it again.
    bringToFront(CommandButton::Stop);
    if (running)
        speak(kFinishedPhrase);
}

void CircuitRun::skipForward() {
    if ((m_state != RunState::Running && m_state != RunState::Stopped) || exerciseCount() == 0)
        return;
    intervalRanOut(false);
    restartSecond();
    publish();
}

void CircuitRun::skipBack() {
    const bool finished = m_state == RunState::Finished;
    if ((m_state != RunState::Running && m_state != RunState::Stopped && !finished) ||
        exerciseCount() == 0)
        return;
    if (finished) {
        // Back from the finish: the last exercise, paused at its start.
        exercisepos = exerciseCount() - 1;
        resting = false;
        setStatus("Stopped");
        m_state = RunState::Stopped;
        bringToFront(CommandButton::Start);
    } else if (intervalLength() - intervalLeft() <= kRestartAfter) {
        if (!resting)
            resting = true; // the rest before this exercise, or the lead-in
        else if (exercisepos > 0) {
            --exercisepos;
            resting = false;
        } // else: the lead-in has nothing before it and starts again
    }
    settime();
    displaykinora();
    tell(&RunView::setDescriptionHint, current().description);
    if (runInProgress()) {
        setStatus(statusOf(resting, exercisepos));
        speak(phraseNow());
    }
    restartSecond();
    prepareAhead();
    publish();
}

void CircuitRun::restartSecond() {
    // A skip begins its interval on a whole second, as one whose time ran out
    // does: the tick of the interval left behind does not carry over.
    if (runInProgress())
        tell(&RunView::startRunTimer);
}

void CircuitRun::settime() {
    const uint32_t total = resting ? runcircuit.restinterval : runcircuit.exerciseinterval;
    tell(&RunView::showPhase, resting);
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
    tell(&RunView::setLinkVisible, current().online != 0);
}

void CircuitRun::showtime() {
    tell(&RunView::showDigits, tenminutes, minutes, tenseconds, seconds);
}

int64_t CircuitRun::intervalLeft() const {
    return 600LL * tenminutes + 60LL * minutes + 10LL * tenseconds + std::max(seconds, 0);
}

int64_t CircuitRun::intervalLength() const {
    return resting ? runcircuit.restinterval : runcircuit.exerciseinterval;
}

RunMoment CircuitRun::moment() const {
    RunMoment now;
    now.state = m_state;
    now.resting = resting;
    now.intervalLeft = intervalLeft();
    now.intervalLength = intervalLength();
    now.status = m_status;
    now.nextStatus = m_status; // while stopped the label keeps saying so
    const int count = exerciseCount();
    now.count = count;
    if (count == 0)
        return now;
    if (m_state == RunState::Running && exercisepos < count)
        now.nextStatus = lastInterval() ? kFinishedText : statusOf(!resting, nextPosition());

    // Each interval shows its length down to 0, one tick each; the circuit's
    // time left is the clock's plus every interval still to come, so it reads
    // 0:00 together with the clock as the last exercise ends.
    const int64_t exercise = runcircuit.exerciseinterval;
    const int64_t rest = runcircuit.restinterval;
    const int64_t pair = exercise + rest + 2;
    now.circuitLength = count * pair - 1;
    if (m_state == RunState::Finished || exercisepos >= count) {
        now.position = count;
        now.circuitLeft = 0;
    } else {
        now.position = exercisepos + 1;
        now.circuitLeft = now.intervalLeft + (resting ? exercise + 1 : 0) +
                          static_cast<int64_t>(count - 1 - exercisepos) * pair;
    }
    now.timeLeftLine = durationText(now.circuitLeft) + " left \xC2\xB7 " +
                       std::to_string(now.position) + " / " + std::to_string(count);
    return now;
}

std::string CircuitRun::durationText(int64_t seconds) {
    seconds = std::max<int64_t>(seconds, 0);
    const auto twoDigits = [](int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    const int64_t hours = seconds / 3600;
    const int64_t mins = seconds / 60 % 60;
    if (hours == 0)
        return std::to_string(mins) + ":" + twoDigits(seconds % 60);
    return std::to_string(hours) + ":" + twoDigits(mins) + ":" + twoDigits(seconds % 60);
}

void CircuitRun::addView(RunView& view) {
    if (std::find(m_views.begin(), m_views.end(), &view) == m_views.end())
        m_views.push_back(&view);
    view.showMoment(moment());
}

void CircuitRun::removeView(RunView& view) {
    std::erase(m_views, &view);
}

void CircuitRun::publish() {
    if (m_views.empty())
        return;
    const RunMoment now = moment();
    tell(&RunView::showMoment, now);
}

void CircuitRun::playCue() {
    if (m_aids.cue)
        m_aids.cue->play();
}

std::string CircuitRun::phraseNow() const {
    return phraseOf(resting, exercisepos);
}

std::string CircuitRun::phraseNext() const {
    return lastInterval() ? kFinishedPhrase : phraseOf(!resting, nextPosition());
}

void CircuitRun::prepareAhead() {
    if (!m_options.speakNames || !m_aids.announcer || exerciseCount() == 0 ||
        m_state == RunState::Finished || m_state == RunState::Idle)
        return;
    // Not running at the start of an interval: Start will announce it.
    if (!runInProgress() && intervalLeft() == intervalLength())
        m_aids.announcer->prepare(phraseNow());
    m_aids.announcer->prepare(phraseNext());
}

void CircuitRun::speak(const std::string& phrase) {
    if (m_options.speakNames && m_aids.announcer)
        m_aids.announcer->speak(phrase);
}

void CircuitRun::holdAwake() {
    if (m_holdingAwake || !m_aids.awake || !m_options.keepAwake || !runInProgress())
        return;
    m_aids.awake->hold();
    m_holdingAwake = true;
}

void CircuitRun::releaseAwake() {
    if (!m_holdingAwake)
        return;
    m_holdingAwake = false;
    if (m_aids.awake)
        m_aids.awake->release();
}
