// A name lookup that hangs, as it does while the name servers do not answer:
// this executable's getaddrinfo() stands in for the C library's (the test
// executable exports it, so the download module's libcurl finds it first).
// Every other name goes on to the real one.
#include "stalledlookup.h"

#include <dlfcn.h>
#include <netdb.h>

#include <chrono>
#include <cstring>
#include <thread>

std::atomic<int> g_stalledLookups{0};

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** result) noexcept {
    if (node && std::strcmp(node, kStalledHost) == 0) {
        ++g_stalledLookups;
        std::this_thread::sleep_for(std::chrono::seconds(20));
        return EAI_AGAIN;
    }
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto real = reinterpret_cast<Lookup>(::dlsym(RTLD_NEXT, "getaddrinfo"));
    return real ? real(node, service, hints, result) : EAI_SYSTEM;
}
