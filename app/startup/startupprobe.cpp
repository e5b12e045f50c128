#include "app/startup/startupprobe.h"

#include "app/launcher/launcher.h"
#include "app/startup/processfigures.h"
#include "ui/errorguard.h"
#include "ui/recordingdialogs.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace {

// Whether a library whose file name holds `name` is mapped into the process.
bool libraryLoaded(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find(name) != std::string::npos)
            return true;
    return false;
}

// How many of the program's translations are mapped into the process: at
// most the one of the user's language.
int translationsMapped() {
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(maps, line)) {
        const size_t name = line.find("stridewell_");
        if (name != std::string::npos && line.ends_with(".qm"))
            files.insert(line.substr(name));
    }
    return static_cast<int>(files.size());
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
    std::printf("launcher_shown_ms %.2f\n", millisecondssinceprocessstart());
    // What the launcher alone costs, before the main window is built behind it.
    std::printf("launcher_rss_kb %ld\n", residentkilobytes());
    std::fflush(stdout);
}

void finishstartupprobe(TForm1& launcher) {
    // The start link runs guarded, as a click would; what it reported is printed.
    guarded(&launcher, [&launcher] { launcher.lbl_startstridewellClick(); });
    QCoreApplication::processEvents();
    const QStringList shown = probeDialogs().shown;
    for (const QString& message : shown)
        std::printf("startup_error %s\n", message.toUtf8().constData());
    std::printf("main_filled_ms %.2f\n", millisecondssinceprocessstart());
    std::printf("rss_kb %ld\n", residentkilobytes());
    // Speech is loaded when a phrase is first prepared, never at start.
    const bool speech = libraryLoaded("espeak") || libraryLoaded("stridewell_speech");
    std::printf("speech_library_loaded %d\n", speech ? 1 : 0);
    // So is printing, by the first print, and the other timers' readers, by
    // the first import of their files.
    const bool print = libraryLoaded("libQt6PrintSupport") || libraryLoaded("stridewell_print");
    std::printf("print_library_loaded %d\n", print ? 1 : 0);
    std::printf("import_module_loaded %d\n", libraryLoaded("stridewell_import") ? 1 : 0);
    std::printf("translations_loaded %d\n", translationsMapped());
    std::fflush(stdout);
    QCoreApplication::exit(shown.isEmpty() ? 0 : 1);
}
