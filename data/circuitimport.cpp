#include "data/circuitimport.h"

#include "data/atomicfile.h"
#include "data/circuitfile.h"
#include "data/filenames.h"
#include "data/ioerror.h"
#include "data/textreader.h"
#include "data/texttrim.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unordered_set>

namespace {

namespace fs = std::filesystem;

// A file name leaves room for " (99)" and ".cir" within the 255 bytes most
// file systems allow.
constexpr size_t kLongestCircuitName = 200;

// The circuit editor refuses these in a name too, so an imported circuit
// stays one the user can edit and send on.
bool nameusable(const std::string& name) {
    return !name.empty() && name.size() <= kLongestCircuitName &&
           name.find_first_of("<>:\"|?*") == std::string::npos && isplainfilename(name);
}

std::string firstlineof(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    std::getline(file, line);
    if (line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    if (const size_t cr = line.find('\r'); cr != std::string::npos)
        line.erase(cr);
    return line;
}

std::string joinedlines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\n";
    return bytes;
}

// A circuit checked and ready to be written.
struct ReadyCircuit {
    std::string name;
    std::string path;
    std::string bytes;
};

} // namespace

std::vector<std::string> circuitnamesin(const std::string& circuitsFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(circuitsFolder, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path& path = it->path();
        if (loweredascii(path.extension().string()) != ".cir")
            continue;
        names.push_back(loweredascii(path.stem().string()));
        if (std::error_code kind; it->is_regular_file(kind))
            names.push_back(loweredascii(firstlineof(path)));
    }
    return names;
}

std::string freecircuitname(const std::string& wanted, const std::vector<std::string>& takenNames) {
    const std::unordered_set<std::string> taken(takenNames.begin(), takenNames.end());
    if (!taken.contains(loweredascii(wanted)))
        return wanted;
    for (int suffix = 2;; ++suffix) {
        const std::string candidate = wanted + " (" + std::to_string(suffix) + ")";
        if (!taken.contains(loweredascii(candidate)))
            return candidate;
    }
}

ImportReport importcircuits(const std::vector<CircuitBundle>& circuits, ExerciseTable& library,
                            const std::string& libraryPath, const std::string& circuitsFolder,
                            const ImportSource& source) {
    std::vector<std::string> taken = circuitnamesin(circuitsFolder);
    const std::string folder =
        circuitsFolder.ends_with('/') ? circuitsFolder : circuitsFolder + "/";

    // Every circuit is read as the circuit reader reads its file before any
    // file is touched.
    std::vector<ReadyCircuit> ready;
    int64_t firstLine = source.firstLine;
    TCircuit2 record;
    for (const CircuitBundle& bundle : circuits) {
        std::vector<std::string> lines = bundle.circuitLines;
        if (lines.empty())
            lines.emplace_back();
        if (!nameusable(lines[0]))
            throw IoError(FileText{FileTextId::ImportBadName, {source.path, lines[0]}, {}});
        TextReader reader(joinedlines(lines), source.path, firstLine);
        readcircuit(reader, library, record);
        if (record.exercisecount > kMaxCircuitExercises)
            throw IoError(circuittoolongmessage(record));
        firstLine += static_cast<int64_t>(bundle.circuitLines.size());

        lines[0] = freecircuitname(lines[0], taken);
        taken.push_back(loweredascii(lines[0]));
        ready.push_back({lines[0], folder + lines[0] + ".cir", joinedlines(lines)});
    }

    ImportReport report;
    const ExerciseTable before = library;
    for (const CircuitBundle& bundle : circuits) {
        for (const TExercise& carried : bundle.exercises) {
            if (carried.name.empty() || findexercisebyname(library, carried.name) != kNoExercise)
                continue;
            const int slot =
                addexercisefromupdate(library, carried.name, carried.extype, carried.description);
            if (slot < 0) {
                report.exercisesLeftOut.push_back(carried.name);
                continue;
            }
            library[slot].online = carried.online;
            report.exercises.push_back(carried.name);
        }
    }

    std::vector<std::string> written;
    bool librarySaved = false;
    try {
        if (!report.exercises.empty()) {
            saveexercises(library, libraryPath);
            librarySaved = true;
        }
        for (const ReadyCircuit& circuit : ready) {
            writefileatomically(circuit.path, circuit.bytes);
            written.push_back(circuit.path);
            report.circuits.push_back(circuit.name);
        }
    } catch (...) {
        // The circuits written name records the library would lose again:
        // both go back to what they were.
        for (const std::string& path : written) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
        library = before;
        if (librarySaved) {
            try {
                saveexercises(library, libraryPath);
            } catch (const IoError&) {
                // The first failure is the one to report.
            }
        }
        throw;
    }
    return report;
}
