#pragma once

#include <string>

// Whether a name from outside (a line of the circuit list, a requested file)
// may be used as one plain file name inside a folder: not empty, not made of
// dots only ("..", "..."), and free of "/", "\" and control characters.
// "Morning Run.cir" passes; "../exercises.lst" does not.
bool isplainfilename(const std::string& name);
