#pragma once

#include "data/circuitplan.h"
#include "runner/runtext.h"

#include <cstdint>
#include <optional>
#include <string>

enum class CommandButton { Start, Stop };
enum class RunState { Idle, Loaded, Running, Stopped, Finished };

// Where the run stands, as a whole: what the time-left line and the big clock
// show. Every view of the run gets one after each tick and command.
struct RunMoment {
    RunState state = RunState::Idle;
    PhaseKind kind = PhaseKind::Rest; // once finished, the first phase's, as the clock shows it
    bool resting = true;              // kind is Rest
    int64_t intervalLeft = 0;         // seconds on the clock; counted up in a repetition phase
    int64_t intervalLength = 0;       // the phase's seconds (a repetition phase's estimate)
    int64_t circuitLeft = 0;          // seconds of the plan still to come
    int64_t circuitLength = 0;        // the planned time with the lead-in
    int position = 0; // from 1 within the round; the count once finished; 0 without exercises
    int count = 0;    // exercise entries in a round
    int round = 0;    // from 1; warm-up is in the first, cool-down and the finish in the last
    int rounds = 1;
    bool planned = false; // the circuit has exercises: the time-left line shows
    RunText statusText;   // the status label's text
    // The label's text and the phase once this phase runs out, so a view can
    // draw them ahead.
    RunText nextStatusText;
    PhaseKind nextKind = PhaseKind::Rest;
    // During an exercise, what comes after it: the next exercise named as the
    // label names it in the rest before it ("Next: Squat"), or LastExercise
    // when none follows (a cool-down may). Nothing in any other phase.
    std::optional<RunText> upNextText;

    // Worded as the moment reaches a view (RunView::tellMoment); empty before.
    std::string status;     // statusText
    std::string nextStatus; // nextStatusText
    std::string upNext;     // upNextText; empty without one
    // "12:34 left · 3 / 8", with more than one round "12:34 left · 3 / 8 · round
    // 2 / 3"; empty without exercises.
    std::string timeLeftLine;
};

// What the circuit run shows, told to each of its views in turn: the runner
// frame draws every part, the big clock only the moment; tests record it. A
// view overrides what it draws and lets the rest pass by.
class RunView {
public:
    virtual ~RunView() = default;

    // The clock "mm:ss" as four digits. tenMinutes is above 9 for intervals of
    // 100 minutes or more (6000 s shows 10, 0, 0, 0: "100:00").
    virtual void showDigits(int /*tenMinutes*/, int /*minutes*/, int /*tenSeconds*/,
                            int /*seconds*/) {}
    virtual void showPhase(bool /*resting*/) {}
    virtual void setStatus(const std::string& /*text*/) {}
    virtual void clearExercises() {}
    virtual void addExercise(const std::string& /*name*/) {}
    virtual void setDescriptionHint(const std::string& /*text*/) {}
    virtual void setLinkVisible(bool /*visible*/) {}
    virtual void bringToFront(CommandButton /*button*/) {}
    virtual void openPage(const std::string& /*address*/) {}
    // The one-second run timer; its first tick comes a full second after start.
    // The view that keeps the timer hands its ticks to the run.
    virtual void startRunTimer() {}
    virtual void stopRunTimer() {}
    // After each tick and command, once the parts above have been told.
    virtual void showMoment(const RunMoment& /*moment*/) {}

    // What the run calls: it names its texts (runtext.h). By default they are
    // worded in the user's language (runner/runwords.cpp) and handed to
    // setStatus and showMoment above; a view that wants the names overrides
    // these instead.
    virtual void showStatus(const RunText& status);
    virtual void tellMoment(RunMoment moment);
};
