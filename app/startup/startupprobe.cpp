#include "app/startup/startupprobe.h"

#include "app/launcher/launcher.h"
#include "ui/errorguard.h"
#include "ui/recordingdialogs.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <time.h>
#include <unistd.h>

namespace {

// Milliseconds since the process was started, from the kernel's own record.
double millisecondsSinceProcessStart() {
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

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Whether a library whose file name holds `name` is mapped into the process.
bool libraryLoaded(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find(name) != std::string::npos)
            return true;
    return false;
}

// Each message is kept to be printed; each question is answered Cancel.
RecordingDialogs& probeDialogs() {
    static RecordingDialogs instance;
    return instance;
}

} // namespace

void installprobedialogs() {
    Dialogs::setPresenter(&probeDialogs());
}

void reportlaunchershown() {
    std::printf("launcher_shown_ms %.2f\n", millisecondsSinceProcessStart());
    // What the launcher alone costs, before the main window is built behind it.
    std::printf("launcher_rss_kb %ld\n", residentKilobytes());
    std::fflush(stdout);
}

void finishstartupprobe(TForm1& launcher) {
    // The start link runs guarded, as a click would; what it reported is printed.
    guarded(&launcher, [&launcher] { launcher.lbl_startstridewellClick(); });
    QCoreApplication::processEvents();
    const QStringList shown = probeDialogs().shown;
    for (const QString& message : shown)
        std::printf("startup_error %s\n", message.toUtf8().constData());
    std::printf("main_filled_ms %.2f\n", millisecondsSinceProcessStart());
    std::printf("rss_kb %ld\n", residentKilobytes());
    // Speech is loaded when a phrase is first prepared, never at start.
    const bool speech = libraryLoaded("espeak") || libraryLoaded("stridewell_speech");
    std::printf("speech_library_loaded %d\n", speech ? 1 : 0);
    std::fflush(stdout);
    QCoreApplication::exit(shown.isEmpty() ? 0 : 1);
}
