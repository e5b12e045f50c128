#include "runner/speechmodule.h"

#include "data/moduleloader.h"

namespace {

constinit ModuleTable<SpeechBackend> g_backend{
    STRIDEWELL_SPEECH_MODULE, kSpeechBackendEntry, kSpeechBackendVersion,
    [](const SpeechBackend& backend) {
        return backend.synthesise != nullptr && backend.synthesiseIn != nullptr;
    }};

} // namespace

const SpeechBackend* speechBackend() {
    return g_backend.get();
}
