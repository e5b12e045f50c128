#pragma once

#include "runner/cuesound.h"
#include "runner/runtext.h"

#include <string>

// The training aids around a run. The run logic decides when each is asked
// for; the program supplies the real ones (runaidfactory.h: speech and ticks
// through the cue's sound device, the desktop's screen saver over D-Bus) and
// tests fake them.

// The volume is chosen in steps of this many percent.
inline constexpr int kVolumeStep = 10;

// What the user has turned on. The defaults are the program as designed:
// nothing spoken, no countdown; the screen kept awake during a run; the
// chime at its full loudness; the big clock on a screen of its own where
// there is one.
struct RunOptions {
    bool speakNames = false;
    bool countdown = false;
    bool keepAwake = true;
    CueTone cueTone = CueTone::Chime;
    // Of the cue, the countdown tick and the voice together: 10 to 100 in
    // steps of 10, percent of the designed loudness.
    int volume = kFullVolume;
    // With more than one screen, the big clock opens on one the main window
    // is not on (a projector, a television).
    bool bigClockElsewhere = true;
    // An interval of L seconds lasts L seconds: the clock shows L down to 1 and
    // the change comes as it would show 0, so a run takes its planned time.
    // Off, the clock also shows 0 for a whole second, as designed.
    bool exactIntervals = false;
};

// Spoken phrases and the countdown tick, played beside the cue without
// cutting it off.
class RunAnnouncer {
public:
    virtual ~RunAnnouncer() = default;
    // The phrase will be asked for soon: synthesise it in the background so
    // that speak() can start it at once.
    virtual void prepare(const std::string& phrase) = 0;
    // Starts the phrase now (at once when it was prepared).
    virtual void speak(const std::string& phrase) = 0;
    // The short tick at 3, 2 and 1 seconds left.
    virtual void countdownTick() = 0;
    // The loudness of the voice and the tick from now on, in percent of the
    // designed one.
    virtual void setVolume(int /*percent*/) {}

    // What the run calls: it names its phrases (runtext.h). By default they
    // are worded in the user's language (runner/runwords.cpp) and handed to
    // prepare and speak above.
    virtual void preparePhrase(const RunText& phrase);
    virtual void speakPhrase(const RunText& phrase);
};

// Keeps the desktop from blanking the screen while held. Releasing what is
// not held does nothing; the destructor releases.
class ScreenAwake {
public:
    virtual ~ScreenAwake() = default;
    virtual void hold() = 0;
    virtual void release() = 0;
};

// The aids a run uses, owned elsewhere. A missing one is left out: no cue
// sounds without a cue, nothing is spoken without an announcer.
struct RunAids {
    CueSound* cue = nullptr;
    RunAnnouncer* announcer = nullptr;
    ScreenAwake* awake = nullptr;
};
