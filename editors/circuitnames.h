#pragma once

#include "editors/editortext.h"

#include <array>
#include <string>

// The type that admits exercises of every type, as the downloaded circuits
// and the English type list write it. The type list's own word for it, in the
// user's language, admits every type too.
inline const std::string kAnyAreaType = "Multiple Area Workout";

// The type list's words, in its order (kTypeWords).
using TypeWords = std::array<std::string, kTypeCount>;

// Index of the type among the words the type list shows, letter case ignored;
// -1 when it is none of them ("upper body" -> 0, "Legs" -> -1 with the English
// words). A type is data: no word of another language counts as the same.
int circuittypeindex(const std::string& circuittype, const TypeWords& words);

// Where a circuit of this name is stored: the Circuits folder + name + ".cir".
std::string circuitfilepath(const std::string& name);

// Why the name cannot be a circuit's file name, or an empty text when it can.
// Circuit files are meant to travel between systems, so besides the path
// separator the characters < > : " | ? * \ and control characters are refused
// ("a:b" -> CircuitNameCharacter with ":"), and so is a name of only dots. The
// empty name is the caller's own case: it gets an empty text.
EditorText circuitnameproblem(const std::string& name);

// True when both paths name the same file (also "a//b.cir" and "a/b.cir").
bool samecircuitfile(const std::string& first, const std::string& second);
