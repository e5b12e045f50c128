#include "app/startup/commandline.h"

#ifndef STRIDEWELL_VERSION
#error "STRIDEWELL_VERSION is set by the build"
#endif

namespace {

CommandLine refuse(const std::string& problem) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.problem = "stridewell: " + problem + "; try 'stridewell --help'";
    return line;
}

} // namespace

CommandLine parsecommandline(int argc, const char* const* argv) {
    CommandLine line;
    bool dataDirGiven = false;
    bool optionsEnded = false;
    // --help and --version are answered once every option is read, so
    // "--help --lang de" is German; the first of them wins, and what follows
    // it cannot make it a refusal.
    CommandLine::Action answer = CommandLine::Action::Run;
    const auto refuse = [&answer, &line](const std::string& problem) {
        if (answer == CommandLine::Action::Run)
            return ::refuse(problem);
        line.action = answer;
        return line;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        // "--" ends the options; only a file to import may follow.
        if (optionsEnded || (!argument.starts_with('-') && !argument.empty())) {
            if (!line.file.empty() || line.open != CommandLine::Open::Launcher ||
                line.action != CommandLine::Action::Run)
                return refuse("unexpected argument '" + argument + "'");
            line.open = CommandLine::Open::ImportFile;
            line.file = argument;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "--version") {
            if (answer == CommandLine::Action::Run)
                answer = argument == "--help" ? CommandLine::Action::Help
                                              : CommandLine::Action::Version;
            continue;
        }
        if (argument == "--plan" || argument.starts_with("--plan=")) {
            if (line.action != CommandLine::Action::Run || line.open != CommandLine::Open::Launcher)
                return refuse("'--plan' cannot be given with another task");
            line.action = CommandLine::Action::Plan;
            if (argument == "--plan") {
                if (i + 1 >= argc)
                    return refuse("option '--plan' requires an argument");
                line.planFile = argv[++i];
            } else {
                line.planFile = argument.substr(7);
            }
            if (line.planFile.empty())
                return refuse("option '--plan' requires a circuit file");
            continue;
        }
        if (argument == "--lang" || argument.starts_with("--lang=")) {
            if (argument == "--lang") {
                if (i + 1 >= argc)
                    return refuse("option '--lang' requires an argument");
                line.language = argv[++i];
            } else {
                line.language = argument.substr(7);
            }
            continue;
        }
        if (argument == "--run" || argument.starts_with("--run=")) {
            if (argument == "--run") {
                if (i + 1 >= argc)
                    return refuse("option '--run' requires an argument");
                line.circuitName = argv[++i];
            } else {
                line.circuitName = argument.substr(6);
            }
            if (line.circuitName.empty())
                return refuse("option '--run' requires a circuit name");
            if (line.open != CommandLine::Open::Launcher)
                return refuse("only one of '--run', '--run-last' and '--history' may be given");
            line.open = CommandLine::Open::Circuit;
            continue;
        }
        if (argument == "--export" || argument == "--print" || argument == "--import") {
            // Each takes the file last: "--export NAME FILE", "--import FILE".
            const bool named = argument != "--import";
            const int wanted = named ? 2 : 1;
            if (i + wanted >= argc)
                return refuse("option '" + argument + "' requires " +
                              (named ? "a circuit name and a file" : "a file"));
            if (line.action != CommandLine::Action::Run || line.open != CommandLine::Open::Launcher)
                return refuse("'" + argument + "' cannot be given with another task");
            line.action = argument == "--export"   ? CommandLine::Action::Export
                          : argument == "--print" ? CommandLine::Action::Print
                                                  : CommandLine::Action::Import;
            if (named)
                line.circuitName = argv[++i];
            line.file = argv[++i];
            if ((named && line.circuitName.empty()) || line.file.empty())
                return refuse("option '" + argument + "' requires " +
                              (named ? "a circuit name and a file" : "a file"));
            continue;
        }
        if (argument == "--run-last" || argument == "--history") {
            if (line.open != CommandLine::Open::Launcher)
                return refuse("only one of '--run', '--run-last' and '--history' may be given");
            line.open = argument == "--history" ? CommandLine::Open::History
                                                : CommandLine::Open::LastCircuit;
            continue;
        }
        std::string folder;
        if (argument == "--data-dir") {
            if (i + 1 >= argc)
                return refuse("option '--data-dir' requires an argument");
            folder = argv[++i];
        } else if (argument.rfind("--data-dir=", 0) == 0) {
            folder = argument.substr(11);
        } else {
            return refuse("unrecognized option '" + argument + "'");
        }
        if (folder.empty())
            return refuse("option '--data-dir' requires a folder");
        if (dataDirGiven)
            return refuse("option '--data-dir' given twice");
        dataDirGiven = true;
        line.dataDir = folder;
    }
    if (answer != CommandLine::Action::Run)
        line.action = answer;
    return line;
}

std::string versiontext() {
    return std::string("stridewell ") + STRIDEWELL_VERSION + "\n";
}
