#include "data/catalogue.h"

#include "data/apppaths.h"
#include "data/circuithead.h"
#include "data/circuitplan.h"
#include "data/ioerror.h"
#include "data/textreader.h"
#include "data/texttrim.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace {

// The lower-case ending a name needs to match the mask: "*" and "*.*" match
// every name (""), "*.ext" the names ending in ".ext" in any letter case.
std::string maskSuffix(const std::string& mask) {
    if (mask == "*" || mask == "*.*")
        return {};
    return loweredascii(mask.substr(mask.rfind('*') == std::string::npos ? 0 : 1));
}

bool isFile(const std::string& folder, const dirent& entry) {
    // The directory entry usually tells the kind; only links and file systems
    // that leave it open need a stat.
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type == DT_DIR)
        return false;
    struct stat info {};
    return ::stat((folder + entry.d_name).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace

TStrings2 listfiles(const std::string& folder, const std::string& mask) {
    std::string base = folder;
    if (base.empty() || base.back() != '/')
        base += '/';

    const std::string suffix = maskSuffix(mask);
    // Each name with its lower-case sort key, made once rather than per
    // comparison; the mask is matched against the same key.
    std::vector<std::pair<std::string, std::string>> names;
    if (DIR* dir = ::opendir(base.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            std::string key = loweredascii(name);
            if (key.ends_with(suffix) && isFile(base, *entry))
                names.emplace_back(std::move(key), name);
        }
        ::closedir(dir);
    }
    // The directory's own order is arbitrary; sorting keeps rows stable between scans.
    std::sort(names.begin(), names.end());

    TStrings2 list{};
    const size_t count = std::min(names.size(), static_cast<size_t>(kCatalogueRows));
    for (size_t i = 0; i < count; ++i)
        list[i] = base + names[i].second;
    return list;
}

TCircuit readcircuitsummary(const std::string& path) {
    TextReader reader(path);
    TCircuit circuit;
    readCircuitHead(reader, circuit);
    circuit.filename = path;
    // Every exercise line counts, blank ones too; only the first 100 are kept.
    int64_t kept = 0;
    LineCursor lines = reader.lines();
    for (; kept < 100 && !lines.atEnd(); ++kept) {
        const auto entry = static_cast<size_t>(kept);
        circuit.exercisenames[entry].assign(
            readExerciseLine(reader, lines.readLineView(), circuit.entrykeys[entry]));
    }
    circuit.exercisecount = static_cast<int32_t>(kept + lines.skipRemainingLines());
    return circuit;
}

std::string circuitpathnamed(const std::string& name) {
    const TStrings2 files = listfiles(circuitsfolder(), "*.cir");
    for (int listed = 0; listed < kCatalogueRows; ++listed) {
        const std::string& path = files[static_cast<size_t>(listed)];
        if (path.empty())
            break;
        try {
            if (readcircuitsummary(path).circuitname == name)
                return path;
        } catch (const IoError&) {
            // passed over, as the scan does
        }
    }
    return {};
}

std::vector<UnreadableFile> scancircuits(CircuitGrid& grid) {
    const TStrings2 files = listfiles(circuitsfolder(), "*.cir");
    std::vector<UnreadableFile> unreadable;
    int row = 0;
    int listed = 0;
    for (; listed < kCatalogueRows; ++listed) {
        const std::string& path = files[static_cast<size_t>(listed)];
        if (path.empty())
            break; // the list has no gaps: nothing follows an empty entry
        if (!fileexists(path))
            continue;
        // One file that cannot be read (a hand-made interval line, no read
        // permission) must not hide the circuits after it: it is passed over
        // and named to the caller.
        TCircuit circuit;
        try {
            circuit = readcircuitsummary(path);
        } catch (const IoError& error) {
            unreadable.push_back({path, error.words()});
            continue;
        }
        grid.setcell(0, row, circuit.circuitname);
        grid.setcell(1, row, circuit.circuittype);
        grid.setcell(2, row, std::to_string(circuit.exercisecount));
        grid.setcell(3, row, plannedtimetext(circuit));
        grid.setcell(4, row, path);
        ++row;
    }
    // The rows a passed-over file would have taken are emptied, so a circuit
    // listed by an earlier scan does not linger there.
    for (; row < listed; ++row)
        for (int column = 0; column < kCatalogueColumns; ++column)
            grid.setcell(column, row, {});
    return unreadable;
}
