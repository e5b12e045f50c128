#pragma once

#include "data/circuitimport.h"
#include "data/peers/peerimport.h"

#include <optional>
#include <string>
#include <vector>

// What importing one file came to.
struct FileImport {
    ImportReport added;
    std::optional<PeerFormat> format; // the other timer that wrote it; none for our own file
    std::vector<PeerNote> notes;      // what the user must be told besides what was added
};

// Imports a file: a circuit file of this program (.stridewell), or an export
// of one of the other timers the program reads, told apart by their contents.
// Raises IoError, changing nothing, for a file that cannot be read, one over
// 16 MiB, one that is neither, and whatever importcircuits refuses. A file of
// the other timers' whose every workout was refused adds nothing and says why
// in its notes.
FileImport importfile(const std::string& path, ExerciseTable& library,
                      const std::string& libraryPath, const std::string& circuitsFolder);

// True when the bytes begin as the program's own circuit file does (after a
// byte-order mark).
bool isbundlefile(std::string_view bytes);
