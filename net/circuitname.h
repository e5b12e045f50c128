#pragma once

#include <string>

// Whether a line of the circuit list may be used as a file name inside the
// Circuits folder. Refused: an empty name, a name with "/" or "\", a name of
// only dots ("..", "..."), and any control character. "Morning Run.cir" passes.
bool issafecircuitname(const std::string& name);
