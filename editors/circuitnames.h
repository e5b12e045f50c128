#pragma once

#include <array>
#include <string>

// The four circuit types, in the order the type list offers them.
inline const std::array<std::string, 4> kCircuitTypes = {"Upper Body", "Abdominal", "Lower Body",
                                                         "Multiple Area Workout"};
// The type that admits exercises of every type.
inline const std::string kAnyAreaType = "Multiple Area Workout";

// Index of the type in kCircuitTypes, letter case ignored; -1 when it is none
// of them ("upper body" -> 0, "Legs" -> -1).
int circuittypeindex(const std::string& circuittype);

// Where a circuit of this name is stored: the Circuits folder + name + ".cir".
std::string circuitfilepath(const std::string& name);

// Why the name cannot be a circuit's file name, or empty when it can. Circuit
// files are meant to travel between systems, so besides the path separator the
// characters < > : " | ? * \ and control characters are refused, and so is a
// name of only dots. The empty name is the caller's own case: it gets "".
std::string circuitnameproblem(const std::string& name);

// True when both paths name the same file (also "a//b.cir" and "a/b.cir").
bool samecircuitfile(const std::string& first, const std::string& second);
