#include "app/startup/commandline.h"
#include "app/startup/planprint.h"
#include "app/startup/sharecommands.h"
#include "app/startup/startfailure.h"
#include "app/startup/translation.h"
#include "app/startup/startup.h"
#include "app/startup/usagewords.h"
#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/generalsetting.h"
#include "runner/runsettings.h"
#include "data/datafolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Writes an answer to stdout; a write that fails (a full disk, a closed pipe)
// is an error, never a success.
int answer(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "stridewell: write error: %s\n", std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the window system is touched, so they work without a display.
    const CommandLine line = parsecommandline(argc, argv);
    switch (line.action) {
    case CommandLine::Action::Help:
        return answer(usagewords(line.language));
    case CommandLine::Action::Version:
        return answer(versiontext());
    case CommandLine::Action::Plan: {
        const PlanPrint plan = printplan(line.planFile);
        if (!plan.ok) {
            std::fprintf(stderr, "%s\n", plan.problem.c_str());
            return 1;
        }
        return answer(plan.text);
    }
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", line.problem.c_str());
        return 2;
    case CommandLine::Action::Export:
    case CommandLine::Action::Print:
    case CommandLine::Action::Import:
    case CommandLine::Action::Run:
        break;
    }

    std::string folder;
    std::string language; // chosen once: it seeds a new folder and words the windows
    try {
        folder = choosedatafolder({programfolder(), line.dataDir, environmentValue("XDG_DATA_HOME"),
                                   environmentValue("HOME")});
        language = chosenlanguage(line.language, folder);
        // Sending or printing a circuit reads the folder and never makes one.
        const bool onlyReads = line.action == CommandLine::Action::Export ||
                               line.action == CommandLine::Action::Print;
        // A portable copy's folder is never seeded from itself. A new folder
        // starts in the user's language where the starter data have it.
        const std::string starter = starterfolder(programfolder());
        if (!onlyReads)
            preparedatafolder(folder, starter == folder ? std::string()
                                                        : starterfolderin(starter, language));
        setapplicationfolder(folder);
    } catch (const std::exception& error) {
        // Without a usable $HOME there is no folder to name.
        const std::string named = folder.empty() ? "" : folderwithoutseparator(folder);
        std::fprintf(stderr, "stridewell: cannot use the data folder%s%s: %s\n",
                     named.empty() ? "" : " ", named.c_str(), error.what());
        // A start from the menu has no terminal: the user sees the reason in a
        // box. With no window system, Qt is not touched at all.
        if (canshowwindows(environmentValue("QT_QPA_PLATFORM"), environmentValue("DISPLAY"),
                           environmentValue("WAYLAND_DISPLAY")))
            showstartfailure(argv[0], line.language, named, error.what());
        return 1;
    }

    if (line.action == CommandLine::Action::Export)
        return exportcommand(line.circuitName, line.file);
    if (line.action == CommandLine::Action::Import)
        return importcommand(line.file);
    if (line.action == CommandLine::Action::Print)
        return printcommand(line.circuitName, line.file, language);

    // A circuit to start is looked up before any window: an unknown name
    // changes nothing.
    StartRequest request;
    if (line.open == CommandLine::Open::History)
        request.open = StartRequest::Open::History;
    if (line.open == CommandLine::Open::ImportFile) {
        // A copy already running has another working folder.
        std::error_code error;
        request.open = StartRequest::Open::ImportFile;
        request.importPath = std::filesystem::absolute(line.file, error).string();
    }
    if (line.open == CommandLine::Open::Circuit || line.open == CommandLine::Open::LastCircuit) {
        request.open = StartRequest::Open::Circuit;
        request.circuitName = line.open == CommandLine::Open::Circuit
                                  ? line.circuitName
                                  : generalsetting(RunSettings::pathIn(folder), kLastCircuitKey);
        if (request.circuitName.empty()) {
            std::fprintf(stderr, "stridewell: no circuit has been run yet\n");
            return 1;
        }
        request.circuitPath = circuitpathnamed(request.circuitName);
        if (request.circuitPath.empty()) {
            std::fprintf(stderr, "stridewell: there is no circuit named '%s' in %s\n",
                         request.circuitName.c_str(), folderwithoutseparator(circuitsfolder()).c_str());
            return 1;
        }
    }

    // Every option has been read here; the window system sees none of them.
    int windowArgc = 1;
    return runstridewell(windowArgc, argv, language, {}, request);
}
