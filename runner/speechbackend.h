#pragma once

#include "data/moduleversion.h"

#include <cstddef>

// The speech synthesiser, kept in a module of its own (built from
// espeakspeech.cpp) that is loaded only when the first phrase is prepared, so
// the synthesiser and its voice data stay out of the program's start-up. Both
// sides are built together from this header; the version, worked out from it,
// guards against a stale module.

// Receives a run of 16-bit mono samples; called repeatedly for one phrase.
using SpeechSink = void (*)(void* context, const short* samples, size_t count);

struct SpeechBackend {
    int version;
    // Speaks UTF-8 text into samples at the rate it returns, handing them to
    // sink in runs. 0 when the synthesiser cannot be started or the text is
    // refused; whatever the sink was given then is to be dropped. Calls from
    // several threads are taken one at a time.
    int (*synthesise)(const char* text, SpeechSink sink, void* context);
    // The same in the voice of a language, by its code ("de", "pt-br"); 0
    // also when there is no voice for it.
    int (*synthesiseIn)(const char* language, const char* text, SpeechSink sink, void* context);
};

inline constexpr int kSpeechBackendVersion = moduleversion({
    STRIDEWELL_MODULE_TYPE(SpeechBackend),
    STRIDEWELL_MODULE_MEMBER(SpeechBackend, version),
    STRIDEWELL_MODULE_MEMBER(SpeechBackend, synthesise),
    STRIDEWELL_MODULE_MEMBER(SpeechBackend, synthesiseIn),
});
// The module's one exported function, of type SpeechBackendEntry.
inline constexpr char kSpeechBackendEntry[] = "stridewell_speech_backend";
using SpeechBackendEntry = const SpeechBackend* (*)();
