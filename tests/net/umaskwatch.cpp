// This executable's umask() stands in for the C library's and counts its calls.
#include "umaskwatch.h"

#include <dlfcn.h>
#include <sys/stat.h>

std::atomic<int> g_umaskCalls{0};

extern "C" mode_t umask(mode_t mask) noexcept {
    ++g_umaskCalls;
    using Umask = mode_t (*)(mode_t);
    static const auto real = reinterpret_cast<Umask>(::dlsym(RTLD_NEXT, "umask"));
    return real ? real(mask) : 022;
}
