#pragma once

#include <string>
#include <string_view>

// A "key=value" line of stridewell.ini outside every section, or in its
// [General] section ("language=de", "lastcircuit=Leg Day"), as the program's
// own windows leave the rest of the file alone.

// The circuit run last, by name: what "stridewell --run-last" starts.
inline constexpr std::string_view kLastCircuitKey = "lastcircuit";

// The value, trimmed; "" when the file, the key or its value is missing, or
// the file is too large to be the program's.
std::string generalsetting(const std::string& iniPath, std::string_view key);

// Sets the key's line (the first one outside every section), or adds it at
// the top; every other line stays as it was. The file is replaced atomically;
// raises IoError when it cannot be read or replaced, and leaves a file too
// large to be the program's as it is.
void setgeneralsetting(const std::string& iniPath, std::string_view key, const std::string& value);
