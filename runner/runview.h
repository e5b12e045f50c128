#pragma once

#include <cstdint>
#include <string>

enum class CommandButton { Start, Stop };
enum class RunState { Idle, Loaded, Running, Stopped, Finished };

// What the circuit run shows. The runner frame draws it; tests record it.
class RunView {
public:
    virtual ~RunView() = default;

    // The clock "mm:ss" as four digits. tenMinutes is above 9 for intervals of
    // 100 minutes or more (6000 s shows 10, 0, 0, 0: "100:00").
    virtual void showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) = 0;
    virtual void showPhase(bool resting) = 0;
    virtual void setStatus(const std::string& text) = 0;
    virtual void clearExercises() = 0;
    virtual void addExercise(const std::string& name) = 0;
    virtual void setDescriptionHint(const std::string& text) = 0;
    virtual void setLinkVisible(bool visible) = 0;
    virtual void bringToFront(CommandButton button) = 0;
    virtual void openPage(const std::string& address) = 0;
    // The one-second run timer; its first tick comes a full second after start.
    virtual void startRunTimer() = 0;
    virtual void stopRunTimer() = 0;
};

// Where the run stands, as a whole: what the time-left line and the big clock
// show. Every display of the run gets one after each tick and command.
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

// A further view of the same run (the time-left line, the big clock).
class RunDisplay {
public:
    virtual ~RunDisplay() = default;
    virtual void showMoment(const RunMoment& moment) = 0;
};
