#pragma once

#include "data/circuitbundle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Other interval timers' export files, read into circuits. Each workout of a
// file becomes a circuit of exercises, rests and rounds; what a circuit cannot
// say (sounds, colours, a get-ready countdown, a rest after the last round) is
// left behind, and what the user must know comes back as notes.
//
// Every circuit gets the type "Multiple Area Workout" and its names made safe:
// control characters become spaces, and a circuit name (also a file name)
// takes "-" for each of / \ < > : " | ? *. A rest is an item whose name holds
// a word for rest in one of the apps' languages ("Rest", "Round rest",
// "Pause", "Отдых", "Dinlenme"). A workout with several parts of different
// round counts becomes one circuit a part ("Legs 1", "Legs 2"); a first or
// last part of one round holding one exercise becomes the warm-up or the
// cool-down instead. A workout beyond what a circuit holds (99 rounds, 100
// exercises, 3600 seconds a time) is refused by name while the others are read.

enum class PeerFormat : uint8_t { Jawt, OpenHiit, Feeel, TimerMachine };

enum class PeerNoteId : uint8_t {
    ReadAsLatin1,            // [path]: text that is not UTF-8 was read as Latin-1
    NoWorkouts,              // [path]: the file holds no workout
    Unreadable,              // [workout, or "" when it has no name; its place in the file from 1]
    InTrash,                 // [workout]: in the app's trash, so not imported
    RefusedTooManyRounds,    // [workout, rounds, most]
    RefusedTooLong,          // [workout, seconds, most]: a time longer than a circuit holds
    RefusedTooManyExercises, // [workout, exercises, most]
    SplitIntoCircuits,       // [workout, circuits]: imported as "workout 1" ... "workout N"
    ImportedEmpty,           // [circuit]: imported without exercises
    ZeroLengthLeftOut,       // [workout, how many]: exercises of 0 seconds left out
    UnknownExercise,         // [workout, id, name given]: a Feeel exercise id of no known name
    Rounded,                 // [workout]: times in milliseconds rounded to whole seconds
};

// Something the user must be told about the import.
struct PeerNote {
    PeerNoteId id = PeerNoteId::NoWorkouts;
    std::vector<std::string> args;
    bool operator==(const PeerNote&) const = default;
};

// One peer app's export, read into circuits.
struct PeerImport {
    PeerFormat format = PeerFormat::Jawt;
    // Each: a circuit file's lines as the writer writes them, and the library
    // records of its exercises, each once, in the order first named.
    std::vector<CircuitBundle> circuits;
    std::vector<PeerNote> notes; // in the order of the file
};

// Recognises the format by content, not by file name. Raises
// IoError(ImportForeign) naming `path` when the bytes are none of the four
// formats: not JSON, or JSON of another shape. A file of a known format whose
// workouts were all refused gives no circuits and notes saying why.
PeerImport readpeerexport(std::string_view bytes, const std::string& path);

// English wording, for the command line and tests.
std::string englishpeernote(const PeerNote& note);

// "Just Another Workout Timer", "OpenHIIT", "Feeel", "TimeR Machine".
std::string_view peerformatname(PeerFormat format);
