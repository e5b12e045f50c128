#pragma once

#include "runner/speechbackend.h"

// The speech synthesiser: the module beside the executable, loaded by the
// first call from whichever thread makes it. Null when the module is missing
// or does not match this program; speech is then silent.
const SpeechBackend* speechBackend();
