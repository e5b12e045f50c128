#include "data/circuitrename.h"

#include "data/apppaths.h"
#include "data/atomicfile.h"
#include "data/catalogue.h"
#include "data/circuithead.h"
#include "data/ioerror.h"
#include "data/textreader.h"

#include <cstdint>
#include <string_view>

namespace {

struct CircuitHead {
    std::string circuitname;
    std::string circuittype;
    uint32_t exerciseinterval = 0;
    uint32_t restinterval = 0;
    CircuitKeys keys;
};

// Where each exercise line naming `name` starts in the reader's bytes.
std::vector<size_t> exerciselinesnaming(TextReader& reader, std::string_view name) {
    std::vector<size_t> starts;
    if (name.empty())
        return starts;
    // The head as every reader reads it, blank lines before a number included.
    CircuitHead head;
    readCircuitHead(reader, head);
    const char* const begin = reader.bytes().data();
    for (LineCursor lines = reader.lines(); !lines.atEnd();) {
        const std::string_view line = lines.readLineView();
        // Only the name is compared and replaced: the keys after it stay.
        if (splitexerciseline(line).name == name)
            starts.push_back(static_cast<size_t>(line.data() - begin));
    }
    return starts;
}

} // namespace

std::vector<std::string> circuitsusing(const std::string& name) {
    std::vector<std::string> users;
    for (const std::string& path : listfiles(circuitsfolder(), "*.cir")) {
        if (path.empty())
            break;
        try {
            TextReader reader(path);
            if (!exerciselinesnaming(reader, name).empty())
                users.push_back(path);
        } catch (const IoError&) {
            // The program cannot show such a circuit, so it uses nothing.
        }
    }
    return users;
}

int renameincircuit(const std::string& path, const std::string& from, const std::string& to) {
    TextReader reader(path);
    const std::vector<size_t> starts = exerciselinesnaming(reader, from);
    if (starts.empty())
        return 0;
    const std::string& old = reader.bytes();
    std::string bytes;
    bytes.reserve(old.size() + starts.size() * to.size());
    size_t copied = 0;
    for (const size_t start : starts) {
        bytes.append(old, copied, start - copied);
        bytes += to;
        copied = start + from.size();
    }
    bytes.append(old, copied);
    writefileatomically(path, bytes);
    return static_cast<int>(starts.size());
}
