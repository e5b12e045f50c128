#pragma once

#include <cstdint>
#include <string>

enum class CommandButton { Start, Stop };
enum class RunState { Idle, Loaded, Running, Stopped, Finished };

// Where the run stands, as a whole: what the time-left line and the big clock
// show. Every view of the run gets one after each tick and command.
struct RunMoment {
    RunState state = RunState::Idle;
    bool resting = true;
    int64_t intervalLeft = 0;   // seconds on the clock
    int64_t intervalLength = 0; // seconds the interval began with
    int64_t circuitLeft = 0;    // seconds until the finish, counted as the clocks show them
    int64_t circuitLength = 0;
    int position = 0; // from 1; the count once finished; 0 without exercises
    int count = 0;
    std::string status; // the status label's text
    // The label's text once this interval runs out, so a view can draw it ahead.
    std::string nextStatus;
    std::string timeLeftLine; // "12:34 left · 3 / 8"; empty without exercises
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
};
