#include "runner/cuemodule.h"

#include "data/moduleloader.h"

namespace {

constinit ModuleTable<CueBackend> g_backend{
    STRIDEWELL_CUE_MODULE, kCueBackendEntry, kCueBackendVersion,
    [](const CueBackend& backend) {
        return backend.open && backend.play && backend.sounding && backend.close &&
               backend.threadEnding && backend.halt && backend.setVolume;
    }};

} // namespace

const CueBackend* cueBackend() {
    return g_backend.get();
}

void replaceCueBackend(const CueBackend* backend) {
    g_backend.replace(backend);
}

void restoreCueBackend() {
    g_backend.restore();
}
