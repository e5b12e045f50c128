#include "net/httpmodule.h"

#include "data/moduleloader.h"

namespace {

constinit ModuleTable<HttpTransport> g_transport{
    STRIDEWELL_HTTP_MODULE, kHttpTransportEntry, kHttpTransportVersion,
    [](const HttpTransport& transport) { return transport.perform != nullptr; }};

} // namespace

const HttpTransport* httpTransport() {
    return g_transport.get();
}

void replaceHttpTransport(const HttpTransport* transport) {
    g_transport.replace(transport);
}

void restoreHttpTransport() {
    g_transport.restore();
}
