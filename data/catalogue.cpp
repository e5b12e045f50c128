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

bool isFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace

TStrings2 listfiles(const std::string& folder, const std::string& mask) {
    std::string base = folder;
    if (base.empty() || base.back() != '/')
        base += '/';

    std::vector<std::string> names;
    if (DIR* dir = ::opendir(base.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == ".." || !matchesMask(name, mask))
                continue;
            if (isFile(base + name))
                names.push_back(name);
        }
        ::closedir(dir);
    }
    // The directory's own order is arbitrary; sorting keeps rows stable between scans.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowered(a), lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });

    TStrings2 list{};
    const size_t count = std::min(names.size(), static_cast<size_t>(kCatalogueRows));
    for (size_t i = 0; i < count; ++i)
        list[i] = base + names[i];
    return list;
}

TCircuit readcircuitsummary(const std::string& path) {
    TextReader reader(path);
    TCircuit circuit;
    circuit.circuitname = reader.readLine();
    circuit.circuittype = reader.readLine();
    circuit.filename = path;
    circuit.exerciseinterval = static_cast<uint32_t>(reader.readNumber());
    circuit.restinterval = static_cast<uint32_t>(reader.readNumber());
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
        const TCircuit circuit = readcircuitsummary(path);
        grid.setcell(0, row, circuit.circuitname);
        grid.setcell(1, row, circuit.circuittype);
        grid.setcell(2, row, std::to_string(circuit.exercisecount));
        grid.setcell(3, row,
                     totaltime(circuit.exerciseinterval, circuit.restinterval, circuit.exercisecount));
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
    std::string text = minutes < 10 ? "0" + std::to_string(minutes) : std::to_string(minutes);
    text += ':';
    text += rest < 10 ? "0" + std::to_string(rest) : std::to_string(rest);
    return text;
}
