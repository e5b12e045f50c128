#include "apppaths.h"
#include "commandline.h"
#include "datafolder.h"
#include "startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

int main(int argc, char** argv) {
    // Answered before the window system is touched, so they work without a display.
    const CommandLine line = parsecommandline(argc, argv);
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(usagetext().c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(versiontext().c_str(), stdout);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", line.problem.c_str());
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    try {
        const std::string folder =
            choosedatafolder({programfolder(), line.dataDir, environmentValue("XDG_DATA_HOME"),
                              environmentValue("HOME")});
        // A portable copy's folder is never seeded from itself.
        const std::string starter = starterfolder(programfolder());
        preparedatafolder(folder, starter == folder ? std::string() : starter);
        setapplicationfolder(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "stridewell: cannot use the data folder: %s\n", error.what());
        return 1;
    }

    // Every option has been read here; the window system sees none of them.
    int windowArgc = 1;
    return runstridewell(windowArgc, argv);
}
