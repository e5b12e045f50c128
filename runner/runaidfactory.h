#pragma once

#include "runner/cuesound.h"
#include "runner/runaids.h"

#include <memory>

// The real aids, apart from the interfaces they serve: the run logic and its
// views know only runaids.h and cuesound.h, never the sound device, the speech
// module or the bus behind them. None loads anything heavy when made: the
// sound device opens once the cue is prepared, the speech library once a
// phrase is, the bus once the screen is first held.

// The aids a runner owns; any may be left empty.
struct RunAidParts {
    std::unique_ptr<CueSound> cue = nullptr;
    std::unique_ptr<RunAnnouncer> announcer = nullptr;
    std::unique_ptr<ScreenAwake> awake = nullptr;

    RunAids borrowed() const { return {cue.get(), announcer.get(), awake.get()}; }
};

// The stored cue, in each of its sounds, through the sound device.
std::unique_ptr<CueSound> makeCue();
// Spoken names and the countdown tick through the cue's sound device, in the
// voice of the language in use.
std::unique_ptr<RunAnnouncer> makeRunAnnouncer();
// The desktop's screen saver over D-Bus.
std::unique_ptr<ScreenAwake> makeScreenAwake();
// All three.
RunAidParts makeRunAids();
