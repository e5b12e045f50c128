#include "cuemodule.h"

#include "moduleloader.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<bool> g_replaced{false};
std::atomic<const CueBackend*> g_replacement{nullptr};

bool complete(const CueBackend& backend) {
    return backend.open && backend.play && backend.sounding && backend.close &&
           backend.threadEnding;
}

const CueBackend* loadBackend() {
    const auto entry =
        reinterpret_cast<CueBackendEntry>(loadModuleEntry(STRIDEWELL_CUE_MODULE, kCueBackendEntry));
    if (!entry)
        return nullptr;
    const CueBackend* backend = entry();
    if (!backend || backend->version != kCueBackendVersion || !complete(*backend)) {
        std::fprintf(stderr, "Cannot use %s: it belongs to another version\n",
                     STRIDEWELL_CUE_MODULE);
        return nullptr;
    }
    return backend;
}

} // namespace

const CueBackend* cueBackend() {
    if (g_replaced)
        return g_replacement;
    static std::once_flag once;
    static const CueBackend* loaded = nullptr;
    std::call_once(once, [] { loaded = loadBackend(); });
    return loaded;
}

void replaceCueBackend(const CueBackend* backend) {
    g_replacement = backend;
    g_replaced = true;
}

void restoreCueBackend() {
    g_replaced = false;
    g_replacement = nullptr;
}
