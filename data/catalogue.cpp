#include "catalogue.h"

#include "apppaths.h"
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

// "*" and "*.*" match every name; "*.ext" matches names ending in ".ext",
// ignoring letter case.
bool matchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*" || mask == "*.*")
        return true;
    const std::string suffix = lowered(mask.substr(mask.rfind('*') == std::string::npos ? 0 : 1));
    if (name.size() < suffix.size())
        return false;
    return lowered(name.substr(name.size() - suffix.size())) == suffix;
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

// The head of a circuit file, as the scan and the summary read it.
struct CircuitHead {
    std::string circuitname;
    std::string circuittype;
    uint32_t exerciseinterval = 0;
    uint32_t restinterval = 0;
};

CircuitHead readHead(TextReader& reader) {
    CircuitHead head;
    reader.readLine(head.circuitname);
    reader.readLine(head.circuittype);
    head.exerciseinterval = static_cast<uint32_t>(reader.readNumber());
    head.restinterval = static_cast<uint32_t>(reader.readNumber());
    return head;
}

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

    // Each name with its lower-case sort key, made once rather than per comparison.
    std::vector<std::pair<std::string, std::string>> names;
    if (DIR* dir = ::opendir(base.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == ".." || !matchesMask(name, mask))
                continue;
            if (isFile(base, *entry))
                names.emplace_back(lowered(name), name);
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
    CircuitHead head = readHead(reader);
    TCircuit circuit;
    circuit.circuitname = std::move(head.circuitname);
    circuit.circuittype = std::move(head.circuittype);
    circuit.filename = path;
    circuit.exerciseinterval = head.exerciseinterval;
    circuit.restinterval = head.restinterval;
    // Every exercise line counts, blank ones too; only the first 100 are kept.
    int32_t count = 0;
    while (!reader.atEnd()) {
        if (count < 100)
            circuit.exercisenames[static_cast<size_t>(count)] = reader.readLine();
        else
            reader.skipLine();
        ++count;
    }
    circuit.exercisecount = count;
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
        const CircuitHead head = readHead(reader);
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
