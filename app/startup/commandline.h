#pragma once

#include <string>

// What the command line asks for. The program takes only these options, all
// answered before any window system is touched:
//   --help              usage on stdout, exit 0
//   --version           name and version on stdout, exit 0
//   --data-dir DIR      (or --data-dir=DIR) keep the data in DIR
//   --plan FILE         (or --plan=FILE) the plan of a circuit file on stdout
//   --lang CODE         (or --lang=CODE) the language to speak ("de", "pt_BR")
//   --run NAME          (or --run=NAME) start the circuit of that name
//   --run-last          start the circuit run last
//   --history           open the training history
//   --export NAME FILE  write the circuit NAME with its exercises to FILE
//   --import FILE       add the circuits (and exercises) a file holds
//   --print NAME FILE   write the circuit card of NAME to FILE (a PDF)
//   FILE                open the windows and import FILE there (a file
//                       manager's double click)
//   --                  ends the options (only FILE may follow it)
// Export, import and print need no display. Anything else is refused with
// one line on stderr and exit status 2.
struct CommandLine {
    enum class Action { Run, Help, Version, Plan, Export, Import, Print, Refuse };
    Action action = Action::Run;
    std::string dataDir;  // empty when not given
    std::string planFile; // for Plan
    std::string language; // --lang, "" when not given
    // What the windows open with: the launcher, a circuit started at once, or
    // the training history. In a copy already running on the data folder too.
    enum class Open { Launcher, Circuit, LastCircuit, History, ImportFile };
    Open open = Open::Launcher;
    std::string circuitName; // for Circuit, Export and Print
    std::string file;        // for ImportFile, Export, Import and Print
    std::string problem; // for Refuse: the one line to print
};

CommandLine parsecommandline(int argc, const char* const* argv);

std::string versiontext();
