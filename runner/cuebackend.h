#pragma once

#include "data/moduleversion.h"

#include <cstddef>

// The cue's sound device on SDL2_mixer, kept in a module of its own (built
// from sdlcue.cpp) that the cue's worker thread loads, so SDL and its audio
// libraries stay out of the program's start-up. Both sides are built together
// from this header; the version, worked out from it, guards against a stale
// module.

struct CueSample; // a decoded cue, ready to play

struct CueBackend {
    int version;
    // Opens the device shared by all samples if it is not open yet and
    // decodes a whole RIFF WAVE file. Null when either fails; nothing is held
    // then.
    CueSample* (*open)(const char* wave, size_t size);
    // Starts the sample on a free channel; a sample still sounding goes on.
    void (*play)(CueSample* sample);
    // Samples sounding right now, on the shared device.
    int (*sounding)();
    // Stops and frees the sample; the last one closes the device.
    void (*close)(CueSample* sample);
    // Frees what the sound library keeps for the calling thread, which is
    // about to end.
    void (*threadEnding)();
    // Silences the sample wherever it is sounding; other samples go on.
    void (*halt)(CueSample* sample);
    // How loud the sample plays from now on, in percent of its own loudness
    // (100: as decoded).
    void (*setVolume)(CueSample* sample, int percent);
};

inline constexpr int kCueBackendVersion = moduleversion({
    STRIDEWELL_MODULE_TYPE(CueBackend),
    STRIDEWELL_MODULE_MEMBER(CueBackend, version),
    STRIDEWELL_MODULE_MEMBER(CueBackend, open),
    STRIDEWELL_MODULE_MEMBER(CueBackend, play),
    STRIDEWELL_MODULE_MEMBER(CueBackend, sounding),
    STRIDEWELL_MODULE_MEMBER(CueBackend, close),
    STRIDEWELL_MODULE_MEMBER(CueBackend, threadEnding),
    STRIDEWELL_MODULE_MEMBER(CueBackend, halt),
    STRIDEWELL_MODULE_MEMBER(CueBackend, setVolume),
});
// The module's one exported function, of type CueBackendEntry.
inline constexpr char kCueBackendEntry[] = "stridewell_cue_backend";
using CueBackendEntry = const CueBackend* (*)();
