#pragma once

#include "data/circuitkeys.h"
#include "data/exercises.h"

#include <array>
#include <cstdint>
#include <string>

class TextReader;

inline constexpr int kCircuitEntries = 101;     // entry 100 always stays free
inline constexpr int kMaxCircuitExercises = 100;

// One exercise entry of a circuit.
struct TExercise2 {
    uint32_t number = 0; // 0: free entry, ends the list for the writer
    std::string name;
    std::string description;
    uint8_t online = 0;
    EntryKeys keys; // what the line says after its name and a TAB
};

struct TCircuit2 {
    std::string circuitname;
    std::string circuittype;
    std::string filename; // path the record was read from; never written
    uint32_t restinterval = 0;
    uint32_t exerciseinterval = 0;
    int32_t exercisecount = 0; // every exercise line of the file; at most 100 are stored
    CircuitKeys keys;          // what the exercise-seconds line says after the seconds
    std::array<TExercise2, kCircuitEntries> exercises{};
};

// Reads a circuit file, resolving each exercise name against the table. Names
// not in the table (and blank lines) stay as entries with number 500. Lines
// after the 100th exercise are counted in exercisecount but not stored, so a
// caller can tell that the record holds less than the file. Raises IoError.
TCircuit2 readcircuit(const std::string& path, const ExerciseTable& table = exercisetable());

// The same into a record the caller keeps, every field of which is replaced:
// its texts' storage is reused, so reading one circuit after another
// allocates little. After an IoError the record holds part of the file; a
// caller reads into a spare record and swaps it in once the read succeeded.
void readcircuit(const std::string& path, const ExerciseTable& table, TCircuit2& into);
// The same from a reader already holding the text (a circuit carried in
// another file); the record's filename is the reader's path.
void readcircuit(TextReader& reader, const ExerciseTable& table, TCircuit2& into);

// Replaces the file atomically: name, type, exercise interval, rest interval,
// then the names of the entries up to the first free one. Raises IoError and
// leaves the previous file whole on failure. A record whose exercisecount says
// its file listed more than 100 exercises is refused (circuittoolongmessage):
// it holds only the first 100.
void writecircuit(const std::string& path, TCircuit2 circuit);

// Why an exercise whose name holds a TAB cannot carry keys.
FileText tabnamemessage(const std::string& name);

// Why a record read from a file of more than 100 exercises is not written.
FileText circuittoolongmessage(const TCircuit2& circuit);
