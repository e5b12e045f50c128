#pragma once

#include <string>

// Replaces a file as a whole: the bytes go to a temporary file in the same
// folder, which is flushed, synced and renamed over the target. When anything
// fails the temporary file is removed, the previous file stays whole, and
// IoError is raised with the runtime's text.
void writefileatomically(const std::string& path, const std::string& bytes);

// The permissions a new file at path gets: those of the file it replaces, or
// the usual ones (0666 less the umask) for a new file.
unsigned newfilemode(const std::string& path);

// Whether a file name is one of writefileatomically's temporary files:
// ".stridewell-" and six letters or digits (".stridewell-a1B2c3").
bool isatomictemporaryname(const std::string& name);

// Removes the temporary files a save left behind when it was killed before
// its rename, in one folder: regular files whose names are of the pattern
// above, nothing else. Only safe while no other copy of the program saves into
// the folder. Returns how many were removed; failures are silent.
int removeatomictemporaries(const std::string& folder);
