#pragma once

#include "data/circuitbundle.h"
#include "data/exercises.h"

#include <cstdint>
#include <string>
#include <vector>

// What an import added.
struct ImportReport {
    std::vector<std::string> circuits;         // the names the circuits were stored under
    std::vector<std::string> exercises;        // the records added to the library, in order
    std::vector<std::string> exercisesLeftOut; // named by a circuit, not added: the library is full
};

// Where the circuits come from, for the messages: the file, and the line of
// it that holds the first circuit's first line (a bundle carries its circuit
// from line 3).
struct ImportSource {
    std::string path;
    int64_t firstLine = 1;
};

// Adds each circuit to `circuitsFolder` under a name no circuit there has,
// line 1 and file name both ("Legs", else "Legs (2)", "Legs (3)" ...), and
// each record the library lacks by name, numbered as the update numbers the
// records it merges and keeping its encyclopedia mark. A record the library
// has by name is used as it is, whatever the carried one says.
//
// Everything is checked before anything is written: a circuit the reader
// refuses, a name that cannot be a file name, a library that cannot be saved
// raise IoError and change nothing. When a save fails part way, what was
// already written is taken back, and the IoError is raised.
ImportReport importcircuits(const std::vector<CircuitBundle>& circuits, ExerciseTable& library,
                            const std::string& libraryPath, const std::string& circuitsFolder,
                            const ImportSource& source);

// The name of the circuit under which it would be stored beside the circuits
// already in `circuitsFolder` and those in `taken` (lower case): `wanted`
// when free, else "wanted (2)", "wanted (3)" and on. Names are compared
// ignoring the letter case of A-Z, both as files and as first lines.
std::string freecircuitname(const std::string& wanted, const std::vector<std::string>& takenNames);

// Every name a circuit of the folder has, as file (without ".cir") and as
// first line, in lower case (A-Z only).
std::vector<std::string> circuitnamesin(const std::string& circuitsFolder);
