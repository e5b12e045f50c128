#pragma once

#include "runner/cuebackend.h"

// The cue's sound device: the module beside the executable, loaded by the
// first call from whichever thread makes it. Null when the module is missing
// or does not match this program; the cue is then silent.
const CueBackend* cueBackend();

// Makes later cues use `backend` instead (null: as if the module were
// missing) until restoreCueBackend(). For tests.
void replaceCueBackend(const CueBackend* backend);
void restoreCueBackend();
