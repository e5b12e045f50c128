#pragma once

#include <string>
#include <vector>

// Circuit files name their exercises, so renaming an exercise in the library
// leaves them naming one the library no longer holds. These find and follow
// such a rename. Both read a file as the circuit readers do: four head lines
// (name, type, exercise interval, rest interval), then one exercise a line. A
// line names the exercise when its bytes equal the name exactly; a blank line
// names none.

// The circuit files of the Circuits folder with an exercise line naming
// `name`. A file that cannot be read is passed over, as the scan passes it.
std::vector<std::string> circuitsusing(const std::string& name);

// Replaces every exercise line of the circuit file that names `from` with
// `to`, a name of one line; every other byte stays, line ends and a byte-order
// mark included. "Plank\r\nAbdominal\r\n30\r\n10\r\nPlank\r\nplank\n" renamed
// to "Front Plank" keeps line 1 and the lower-case line:
// "Plank\r\nAbdominal\r\n30\r\n10\r\nFront Plank\r\nplank\n". The file is
// replaced atomically, and only when a line changed; returns how many did.
// Raises IoError and leaves the file whole on failure.
int renameincircuit(const std::string& path, const std::string& from, const std::string& to);
