#pragma once

#include "data/filetext.h"
#include "data/moduleversion.h"
#include "data/peers/peerimport.h"

#include <string>
#include <string_view>

// The other timers' formats are read in a module loaded on the first import,
// so their readers take no part in the program's start-up.

struct PeerReader {
    int version;
    // Reads `bytes` into `into`; false, with `failure` set, when they are none
    // of the formats. Never throws: no exception crosses into the program.
    bool (*read)(std::string_view bytes, const std::string& path, PeerImport& into,
                 FileText& failure);
};

inline constexpr int kPeerReaderVersion = moduleversion({
    STRIDEWELL_MODULE_TYPE(std::string),
    STRIDEWELL_MODULE_TYPE(TExercise),
    STRIDEWELL_MODULE_MEMBER(TExercise, number),
    STRIDEWELL_MODULE_MEMBER(TExercise, name),
    STRIDEWELL_MODULE_MEMBER(TExercise, extype),
    STRIDEWELL_MODULE_MEMBER(TExercise, description),
    STRIDEWELL_MODULE_MEMBER(TExercise, online),
    STRIDEWELL_MODULE_TYPE(CircuitBundle),
    STRIDEWELL_MODULE_MEMBER(CircuitBundle, circuitLines),
    STRIDEWELL_MODULE_MEMBER(CircuitBundle, exercises),
    STRIDEWELL_MODULE_TYPE(PeerNote),
    STRIDEWELL_MODULE_MEMBER(PeerNote, id),
    STRIDEWELL_MODULE_MEMBER(PeerNote, args),
    STRIDEWELL_MODULE_TYPE(PeerImport),
    STRIDEWELL_MODULE_MEMBER(PeerImport, format),
    STRIDEWELL_MODULE_MEMBER(PeerImport, circuits),
    STRIDEWELL_MODULE_MEMBER(PeerImport, notes),
    STRIDEWELL_MODULE_TYPE(FileText),
    STRIDEWELL_MODULE_MEMBER(FileText, id),
    STRIDEWELL_MODULE_MEMBER(FileText, args),
    STRIDEWELL_MODULE_MEMBER(FileText, cause),
    STRIDEWELL_MODULE_TYPE(PeerReader),
    STRIDEWELL_MODULE_MEMBER(PeerReader, version),
    STRIDEWELL_MODULE_MEMBER(PeerReader, read),
});
// The module's one exported function, of type PeerReaderEntry.
inline constexpr char kPeerReaderEntry[] = "stridewell_peer_reader";
using PeerReaderEntry = const PeerReader* (*)();

// Reads another timer's export through the module. Raises IoError when the
// bytes are none of the formats, or when the module is missing (ImportNoReader).
PeerImport readpeerfile(std::string_view bytes, const std::string& path);
