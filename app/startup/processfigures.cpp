#include "app/startup/processfigures.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <time.h>
#include <unistd.h>

double millisecondssinceprocessstart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22 (starttime, in clock ticks since boot) follows the command name's ")".
    const size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    // After the ")" come fields 3, 4, ... separated by blanks.
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long starttime = 0;
    for (int number = 3; number <= 22 && fields >> field; ++number)
        if (number == 22)
            starttime = std::strtoull(field.c_str(), nullptr, 10);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + now.tv_nsec / 1e6;
    const double startMs =
        static_cast<double>(starttime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    return nowMs - startMs;
}

long residentkilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}
