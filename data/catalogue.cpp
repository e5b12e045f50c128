#include "catalogue.h"

#include "apppaths.h"
#include "circuithead.h"
#include "textreader.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace {

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The lower-case ending a name needs to match the mask: "*" and "*.*" match
// every name (""), "*.ext" the names ending in ".ext" in any letter case.
std::string maskSuffix(const std::string& mask) {
    if (mask == "*" || mask == "*.*")
        return {};
    return lowered(mask.substr(mask.rfind('*') == std::string::npos ? 0 : 1));
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

// All the scan needs of a circuit file besides its line count.
struct CircuitHead {
    std::string circuitname;
    std::string circuittype;
    uint32_t exerciseinterval = 0;
    uint32_t restinterval = 0;
};

// Two digits at least: 5 -> "05", 125 -> "125".
void appendPadded(std::string& text, uint32_t value) {
    if (value < 10)
        text += '0';
    text += std::to_string(value);
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
            std::string key = lowered(name);
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
    for (; kept < 100 && !reader.atEnd(); ++kept)
        reader.readLine(circuit.exercisenames[static_cast<size_t>(kept)]);
    circuit.exercisecount = static_cast<int32_t>(kept + reader.skipRemainingLines());
    return circuit;
}

void scancircuits(CircuitGrid& grid) {
    const TStrings2 files = listfiles(circuitsfolder(), "*.cir");
    for (int row = 0; row < kCatalogueRows; ++row) {
        const std::string& path = files[static_cast<size_t>(row)];
        if (path.empty())
            break; // the list has no gaps: nothing follows an empty entry
        if (!fileexists(path))
            continue;
        // The grid shows the head and the count only: the lines are counted, not stored.
        TextReader reader(path);
        CircuitHead head;
        readCircuitHead(reader, head);
        const auto count = static_cast<int32_t>(reader.skipRemainingLines());
        grid.setcell(0, row, head.circuitname);
        grid.setcell(1, row, head.circuittype);
        grid.setcell(2, row, std::to_string(count));
        grid.setcell(3, row, totaltime(head.exerciseinterval, head.restinterval, count));
        grid.setcell(4, row, path);
    }
}

std::string totaltime(uint32_t exerciseinterval, uint32_t restinterval, int32_t exercisecount) {
    if (exercisecount == 0)
        return "0";
    const auto n = static_cast<uint32_t>(exercisecount);
    return durationtext(exerciseinterval * n + restinterval * (n - 1));
}

std::string durationtext(uint32_t seconds) {
    const uint32_t minutes = seconds / 60;
    const uint32_t rest = seconds % 60;
    std::string text;
    appendPadded(text, minutes);
    text += ':';
    appendPadded(text, rest);
    return text;
}
