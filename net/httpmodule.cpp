#include "httpmodule.h"

#include "moduleloader.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<bool> g_replaced{false};
std::atomic<const HttpTransport*> g_replacement{nullptr};

const HttpTransport* loadTransport() {
    const auto entry = reinterpret_cast<HttpTransportEntry>(
        loadModuleEntry(STRIDEWELL_HTTP_MODULE, kHttpTransportEntry));
    if (!entry)
        return nullptr;
    const HttpTransport* transport = entry();
    if (!transport || transport->version != kHttpTransportVersion || !transport->perform) {
        std::fprintf(stderr, "Cannot use %s: it belongs to another version\n",
                     STRIDEWELL_HTTP_MODULE);
        return nullptr;
    }
    return transport;
}

} // namespace

const HttpTransport* httpTransport() {
    if (g_replaced)
        return g_replacement;
    static std::once_flag once;
    static const HttpTransport* loaded = nullptr;
    std::call_once(once, [] { loaded = loadTransport(); });
    return loaded;
}

void replaceHttpTransport(const HttpTransport* transport) {
    g_replacement = transport;
    g_replaced = true;
}

void restoreHttpTransport() {
    g_replaced = false;
    g_replacement = nullptr;
}
