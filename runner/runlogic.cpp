#include "runner/runlogic.h"

#include "data/contentaddress.h"
#include "data/encyclopedianames.h"
#include "runner/cuesound.h"
#include "runner/runobserver.h"

#include <algorithm>
#include <utility>

namespace {
bool isWork(PhaseKind kind) {
    return kind == PhaseKind::Work || kind == PhaseKind::Reps;
}
} // namespace

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
    const bool countingChanged = options.exactIntervals != m_options.exactIntervals;
    m_options = options;
    if (countingChanged && m_observer)
        m_observer->countingChosen(m_options.exactIntervals);
    if (!m_options.keepAwake)
        releaseAwake();
    else if (runInProgress())
        holdAwake();
    prepareAhead();
}

int CircuitRun::exerciseCount() const {
    return std::clamp(runcircuit.exercisecount, 0, kMaxCircuitExercises);
}

PlanPhase CircuitRun::shownPhase() const {
    if (m_phase < m_plan.phases.size())
        return m_plan.phases[m_phase];
    if (!m_plan.phases.empty())
        return m_plan.phases.front();
    PlanPhase rest;
    rest.seconds = runcircuit.restinterval;
    return rest;
}

int CircuitRun::entryOf(size_t phase) const {
    if (phase >= m_plan.phases.size())
        return exerciseCount();
    const PlanPhase& shown = m_plan.phases[phase];
    if (shown.entry >= 0)
        return shown.entry;
    // The warm-up leads to the first exercise, as the lead-in does.
    return shown.kind == PhaseKind::WarmUp ? 0 : exerciseCount();
}

const TExercise2& CircuitRun::entryAt(int position) const {
    // The position stops at the count, and entry 100 always stays free, so the
    // entry after the last exercise is an empty one.
    const int entry = std::clamp(position, 0, kMaxCircuitExercises);
    return runcircuit.exercises[static_cast<size_t>(entry)];
}

const TExercise2& CircuitRun::current() const {
    return entryAt(entryOf(m_phase));
}

int CircuitRun::position() const {
    return entryOf(m_phase);
}

RunText CircuitRun::statusOf(size_t phase) const {
    if (phase >= m_plan.phases.size())
        return {RunTextId::Finished};
    const PlanPhase& shown = m_plan.phases[phase];
    const std::string& name = entryAt(entryOf(phase)).name;
    switch (shown.kind) {
    case PhaseKind::WarmUp:
        return {RunTextId::WarmUp};
    case PhaseKind::CoolDown:
        return {RunTextId::CoolDown};
    case PhaseKind::Rest:
        return {RunTextId::Next, name};
    case PhaseKind::Work:
        return {RunTextId::Now, name};
    case PhaseKind::Reps:
        return {RunTextId::NowReps, name, static_cast<int>(shown.reps)};
    }
    return {RunTextId::CircuitName, name};
}

RunText CircuitRun::upNextOf(size_t phase) const {
    const auto& phases = m_plan.phases;
    for (size_t later = phase + 1; later < phases.size(); ++later)
        if (isWork(phases[later].kind) && phases[later].side != 2)
            return {RunTextId::Next, entryAt(entryOf(later)).name};
    return {RunTextId::LastExercise};
}

RunText CircuitRun::phraseOf(size_t phase) const {
    const auto& phases = m_plan.phases;
    if (phase >= phases.size())
        return {RunTextId::SayFinished};
    const PlanPhase& shown = phases[phase];
    RunText phrase;
    switch (shown.kind) {
    case PhaseKind::WarmUp:
        phrase.id = RunTextId::SayWarmUp;
        break;
    case PhaseKind::CoolDown:
        phrase.id = RunTextId::SayCoolDown;
        break;
    case PhaseKind::Rest: {
        // The rest names what is due, repetitions and all: "Next: 15 Push-Up".
        const bool due = phase + 1 < phases.size();
        const bool reps = due && phases[phase + 1].kind == PhaseKind::Reps;
        phrase = {reps ? RunTextId::SayNextReps : RunTextId::SayNext, entryAt(entryOf(phase)).name,
                  reps ? static_cast<int>(phases[phase + 1].reps) : 0};
        break;
    }
    case PhaseKind::Work:
    case PhaseKind::Reps:
        if (shown.side == 2)
            phrase.id = RunTextId::SaySwitchSides;
        else if (shown.kind == PhaseKind::Reps)
            phrase = {RunTextId::SayReps, entryAt(entryOf(phase)).name,
                      static_cast<int>(shown.reps)};
        else
            phrase = {RunTextId::SayName, entryAt(entryOf(phase)).name};
        break;
    }
    // The first phase of rounds 2 and on tells the round first:
    // "Round 2 of 3. Next: Squat".
    if (shown.round >= 2 && (phase == 0 || phases[phase - 1].round != shown.round)) {
        phrase.round = shown.round;
        phrase.rounds = m_plan.rounds;
    }
    return phrase;
}

int64_t CircuitRun::secondsIntoPhase() const {
    const PlanPhase shown = shownPhase();
    return shown.kind == PhaseKind::Reps ? m_clock : shown.seconds - m_clock;
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

void CircuitRun::setStatus(const RunText& text) {
    m_status = text;
    tell(&RunView::showStatus, text);
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
    buildplan(runcircuit, m_plan);
    const auto& phases = m_plan.phases;
    m_laterSeconds.resize(phases.size());
    int64_t later = 0;
    for (size_t i = phases.size(); i-- > 0;) {
        m_laterSeconds[i] = later;
        later += phases[i].seconds;
    }
    m_phase = 0;
    m_state = RunState::Loaded;

    tell(&RunView::clearExercises);
    for (int i = 0; i < exerciseCount(); ++i)
        tell(&RunView::addExercise, runcircuit.exercises[static_cast<size_t>(i)].name);
    settime();
    setStatus({RunTextId::CircuitName, runcircuit.circuitname});
    tell(&RunView::setDescriptionHint, current().description);
    prepareAhead();
    publish();
}

void CircuitRun::btn_startClick() {
    if (m_state != RunState::Loaded && m_state != RunState::Stopped)
        return;
    if (m_plan.phases.empty()) {
        setStatus(kNoExercisesText);
        publish();
        return;
    }
    // A stopped run resumes the phase that was under way, from the frozen
    // clock; a loaded one begins with the first phase.
    if (m_state != RunState::Stopped)
        m_phase = 0;
    setStatus(statusOf(m_phase));
    if (m_observer) {
        m_observer->runStarted(runcircuit, exerciseCount());
        m_observer->countingChosen(m_options.exactIntervals);
    }
    displaykinora();
    // After a finish the hint was emptied; the run starting over shows it again.
    tell(&RunView::setDescriptionHint, current().description);
    // A phase that has not begun yet is announced as it begins; one resumed
    // part-way was announced already.
    if (atPhaseStart())
        speak(phraseNow());
    beginTimer();
    bringToFront(CommandButton::Stop);
    passEmptyPhases();
    prepareAhead();
    publish();
}

void CircuitRun::btn_stopClick() {
    // Stop pauses: the phase is kept so that Start resumes where the run was.
    // Only a finished run starts over from the first phase, whose clock the
    // finish already shows.
    if (finishedPlan())
        m_phase = 0;
    setStatus({RunTextId::Stopped});
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
    const std::string page = encyclopedianame(current().number, current().name);
    btn_stopClick();
    tell(&RunView::openPage, kinoradexpageaddress(page));
}

void CircuitRun::exercisetimerTimer() {
    if (m_state != RunState::Running)
        return;
    if (m_observer)
        m_observer->secondRun();
    if (shownPhase().kind == PhaseKind::Reps) {
        // Counts up, without ticks, until the user says the repetitions are done.
        ++m_clock;
        showtime();
        publish();
        return;
    }
    if (dectimer()) {
        showtime();
        const int64_t left = intervalLeft();
        if (m_options.countdown && m_aids.announcer && left >= 1 && left <= 3)
            m_aids.announcer->countdownTick();
        publish();
        return;
    }
    phaseRanOut(true);
    passEmptyPhases();
    publish();
}

void CircuitRun::passEmptyPhases() {
    // Counted exactly, an interval of 0 seconds (a rest of 0) takes no tick:
    // it begins and ends at once, with its cue and its words.
    while (m_options.exactIntervals && runInProgress() && !finishedPlan() &&
           shownPhase().kind != PhaseKind::Reps && m_clock == 0)
        phaseRanOut(true);
}

void CircuitRun::phaseRanOut(bool done) {
    // While stopped the label keeps saying so; the phase, clock and entry move.
    const bool running = runInProgress();
    playCue();
    if (done)
        tellCompleted(m_phase);
    ++m_phase;
    settime();
    displaykinora();
    if (finishedPlan()) {
        finish();
    } else {
        if (running) {
            setStatus(statusOf(m_phase));
            speak(phraseNow());
        }
        prepareAhead();
    }
    tell(&RunView::setDescriptionHint, current().description);
}

void CircuitRun::tellCompleted(size_t phase) {
    const auto& phases = m_plan.phases;
    const PlanPhase& ended = phases[phase];
    // A sided exercise is done once, with its second side.
    if (!m_observer || !isWork(ended.kind) || ended.side == 1)
        return;
    // The round ends with its last work phase: what follows it in the same
    // round holds no more work (the next round begins with a rest).
    bool roundEnded = true;
    for (size_t i = phase + 1; i < phases.size() && phases[i].round == ended.round; ++i) {
        if (isWork(phases[i].kind)) {
            roundEnded = false;
            break;
        }
    }
    m_observer->exerciseCompleted(roundEnded);
}

void CircuitRun::finish() {
    const bool running = runInProgress();
    setStatus({RunTextId::Finished});
    endTimer();
    m_state = RunState::Finished;
    if (m_observer)
        m_observer->runFinished();
    // A run skipped to its end while stopped is finished as one that ran out:
    // Stop in front, so that Stop and Start run it again.
    bringToFront(CommandButton::Stop);
    if (running)
        speak({RunTextId::SayFinished});
}

void CircuitRun::skipForward() {
    if ((m_state != RunState::Running && m_state != RunState::Stopped) || finishedPlan())
        return;
    // Repetitions have no clock to run out: skipping them is the way to say
    // they are done.
    phaseRanOut(shownPhase().kind == PhaseKind::Reps);
    restartSecond();
    publish();
}

bool CircuitRun::canSkipForward() const {
    return (m_state == RunState::Running || m_state == RunState::Stopped) && !finishedPlan();
}

bool CircuitRun::canSkipBack() const {
    if (m_plan.phases.empty())
        return false;
    if (m_state == RunState::Finished)
        return true;
    return (m_state == RunState::Running || m_state == RunState::Stopped) &&
           (m_phase > 0 || !atPhaseStart());
}

void CircuitRun::repetitionsDone() {
    if (!finishedPlan() && m_plan.phases[m_phase].kind == PhaseKind::Reps)
        skipForward();
}

void CircuitRun::skipBack() {
    const bool finished = m_state == RunState::Finished;
    if ((m_state != RunState::Running && m_state != RunState::Stopped && !finished) ||
        m_plan.phases.empty())
        return;
    if (finished) {
        // Back from the finish: the last phase, paused at its start.
        m_phase = m_plan.phases.size() - 1;
        setStatus({RunTextId::Stopped});
        m_state = RunState::Stopped;
        bringToFront(CommandButton::Start);
    } else if (secondsIntoPhase() <= kRestartAfter && m_phase > 0) {
        --m_phase;
    } // else: this phase starts again
    settime();
    displaykinora();
    tell(&RunView::setDescriptionHint, current().description);
    if (runInProgress()) {
        setStatus(statusOf(m_phase));
        speak(phraseNow());
    }
    restartSecond();
    prepareAhead();
    publish();
}

void CircuitRun::restartSecond() {
    // A skip begins its phase on a whole second, as one whose time ran out
    // does: the tick of the phase left behind does not carry over.
    if (runInProgress())
        tell(&RunView::startRunTimer);
}

void CircuitRun::settime() {
    const PlanPhase shown = shownPhase();
    tell(&RunView::showPhase, shown.kind == PhaseKind::Rest);
    m_clock = shown.kind == PhaseKind::Reps ? 0 : shown.seconds;
    showtime();
}

bool CircuitRun::dectimer() {
    // As designed, the clock stands at 00:00 for a tick of its own, so an
    // interval of 30 s takes 31 ticks; counted exactly, the tick that would
    // show 00:00 is the change, and it takes 30. False: the caller moves on to
    // the next phase.
    const int64_t last = m_options.exactIntervals ? 1 : 0;
    if (m_clock <= last)
        return false;
    --m_clock;
    return true;
}

void CircuitRun::displaykinora() {
    tell(&RunView::setLinkVisible, current().online != 0);
}

void CircuitRun::showtime() {
    // Below 100 minutes the tens of minutes are one digit; above, they keep
    // the leading minutes whole (6000 s: 10, 0, 0, 0), so the clock stays exact.
    const int64_t shown = m_clock;
    tell(&RunView::showDigits, static_cast<int>(shown / 600), static_cast<int>(shown % 600 / 60),
         static_cast<int>(shown % 60 / 10), static_cast<int>(shown % 10));
}

RunMoment CircuitRun::moment() const {
    RunMoment now;
    now.state = m_state;
    const PlanPhase shown = shownPhase();
    now.kind = shown.kind;
    now.nextKind = shown.kind;
    now.resting = shown.kind == PhaseKind::Rest;
    now.intervalLeft = m_clock;
    now.intervalLength = shown.seconds;
    now.statusText = m_status;
    now.nextStatusText = m_status; // while stopped the label keeps saying so
    now.rounds = m_plan.rounds;
    const int count = exerciseCount();
    now.count = count;
    if (count == 0 || m_plan.phases.empty())
        return now;
    const auto& phases = m_plan.phases;
    if (!finishedPlan()) {
        now.nextKind = (m_phase + 1 < phases.size() ? phases[m_phase + 1] : phases.front()).kind;
        if (m_state == RunState::Running)
            now.nextStatusText = statusOf(m_phase + 1);
    }

    // Every time shown comes from the plan: the circuit's length is its planned
    // time with the lead-in; what is left, the remainder of the phase under way
    // and every later phase. The last clock and the circuit's reach 0 together.
    const int64_t leadin =
        m_plan.leadin >= 0 ? phases[static_cast<size_t>(m_plan.leadin)].seconds : 0;
    now.circuitLength = static_cast<int64_t>(m_plan.plannedseconds) + leadin;
    if (finishedPlan()) {
        now.position = count;
        now.round = m_plan.rounds;
        now.circuitLeft = 0;
    } else {
        const PlanPhase& under = phases[m_phase];
        if (isWork(under.kind))
            now.upNextText = upNextOf(m_phase);
        now.position = under.kind == PhaseKind::CoolDown ? count : entryOf(m_phase) + 1;
        if (under.round > 0)
            now.round = under.round;
        else // the warm-up counts in the first round, the cool-down in the last
            now.round = under.kind == PhaseKind::WarmUp ? 1 : m_plan.rounds;
        const int64_t phaseLeft = under.kind == PhaseKind::Reps
                                      ? std::max<int64_t>(int64_t{under.seconds} - m_clock, 0)
                                      : m_clock;
        now.circuitLeft = phaseLeft + m_laterSeconds[m_phase];
    }
    now.planned = true;
    return now;
}

void CircuitRun::addView(RunView& view) {
    if (std::find(m_views.begin(), m_views.end(), &view) == m_views.end())
        m_views.push_back(&view);
    view.tellMoment(moment());
}

void CircuitRun::removeView(RunView& view) {
    std::erase(m_views, &view);
}

void CircuitRun::publish() {
    if (m_views.empty())
        return;
    const RunMoment now = moment();
    tell(&RunView::tellMoment, now);
}

void CircuitRun::playCue() {
    if (m_aids.cue)
        m_aids.cue->play();
}

RunText CircuitRun::phraseNow() const {
    return phraseOf(m_phase);
}

RunText CircuitRun::phraseNext() const {
    return phraseOf(m_phase + 1);
}

void CircuitRun::prepareAhead() {
    if (!m_options.speakNames || !m_aids.announcer || m_plan.phases.empty() ||
        m_state == RunState::Finished || m_state == RunState::Idle)
        return;
    // Not running at the start of a phase: Start will announce it.
    if (!runInProgress() && atPhaseStart())
        m_aids.announcer->preparePhrase(phraseNow());
    m_aids.announcer->preparePhrase(phraseNext());
}

void CircuitRun::speak(const RunText& phrase) {
    if (m_options.speakNames && m_aids.announcer)
        m_aids.announcer->speakPhrase(phrase);
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
