#pragma once

#include "data/circuitkeys.h"

#include "data/filetext.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A folder listing: up to 500 paths, sorted by file name ignoring letter case;
// the entries after the last match stay empty.
using TStrings2 = std::array<std::string, 501>;

// The summary the scan reads each circuit file into.
struct TCircuit {
    std::string circuitname;
    std::string circuittype;
    std::string filename;
    uint32_t restinterval = 0;
    uint32_t exerciseinterval = 0;
    int32_t exercisecount = 0; // every exercise line, also past the 100th
    std::array<std::string, 101> exercisenames{}; // the names, without their keys
    CircuitKeys keys;
    std::array<EntryKeys, 101> entrykeys{};
};

inline constexpr int kCatalogueRows = 500;
inline constexpr int kCatalogueColumns = 5;

// What the scan writes into: the main window's circuit grid.
class CircuitGrid {
public:
    virtual ~CircuitGrid() = default;
    virtual void setcell(int column, int row, const std::string& text) = 0;
};

// Files (not folders) in the folder whose names match the mask. The mask is
// "*" followed by an extension, matched ignoring letter case ("*.cir" lists
// "a.CIR").
TStrings2 listfiles(const std::string& folder, const std::string& mask);

// Reads the head of one circuit file and counts its exercise lines. The scan
// reads every file through it. Raises IoError.
TCircuit readcircuitsummary(const std::string& path);

// The file of the circuit named `name` (its first line, byte for byte) in the
// Circuits folder, as the scan lists them; "" when no readable one has it.
std::string circuitpathnamed(const std::string& name);

// A circuit file the scan could not read, and why.
struct UnreadableFile {
    std::string path;
    FileText reason;
};

// Writes one row per readable circuit file of the Circuits folder: name, type,
// number of exercises, planned time (plannedtimetext), full path. A file that cannot be read is
// passed over and returned; the rows after it hold the files after it. Rows
// after the last file listed are left untouched.
std::vector<UnreadableFile> scancircuits(CircuitGrid& grid);
