#include "data/circuitbundle.h"

#include "data/atomicfile.h"

#include "data/circuitfile.h"
#include "data/circuitkeys.h"
#include "data/ioerror.h"
#include "data/textreader.h"
#include "data/texttrim.h"

#include <charconv>
#include <filesystem>

namespace {

// "circuit 6" gives 6 for "circuit"; anything else gives -1.
int64_t countAfter(std::string_view line, std::string_view word) {
    if (line.size() <= word.size() + 1 || line.substr(0, word.size()) != word ||
        line[word.size()] != ' ')
        return -1;
    const std::string_view digits = line.substr(word.size() + 1);
    int64_t count = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error != std::errc() || end != digits.data() + digits.size() || count < 0)
        return -1;
    return count;
}

[[noreturn]] void refuse(FileTextId id, const std::string& path, std::vector<std::string> more = {}) {
    std::vector<std::string> args{path};
    args.insert(args.end(), more.begin(), more.end());
    throw IoError(FileText{id, std::move(args), {}});
}

// The lines of a text, each without its line end.
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    LineCursor cursor(bytes.data(), bytes.data() + bytes.size());
    while (!cursor.atEnd())
        lines.push_back(cursor.readLineView());
    return lines;
}

} // namespace

CircuitBundle bundlecircuit(const std::string& circuitPath, const ExerciseTable& library) {
    // Only a circuit the program reads is handed on.
    const TCircuit2 circuit = readcircuit(circuitPath, library);
    const TextReader file(circuitPath);
    CircuitBundle bundle;
    for (const std::string_view line : linesOf(file.bytes()))
        bundle.circuitLines.emplace_back(line);
    for (const TExercise2& entry : circuit.exercises) {
        if (entry.number == 0)
            break;
        const int slot = findexercisebyname(library, entry.name);
        if (slot == kNoExercise)
            continue; // named in the circuit, missing from the library: the name travels alone
        const TExercise& record = library[slot];
        bool taken = false;
        for (const TExercise& each : bundle.exercises)
            taken = taken || each.name == record.name;
        if (!taken)
            bundle.exercises.push_back({0, record.name, record.extype, record.description, record.online});
    }
    return bundle;
}

std::string bundlebytes(const CircuitBundle& bundle) {
    std::string bytes = std::string(kBundleHeading) + " " + std::to_string(kBundleVersion) + "\n";
    bytes += "circuit " + std::to_string(bundle.circuitLines.size()) + "\n";
    for (const std::string& line : bundle.circuitLines)
        bytes += line + "\n";
    for (const TExercise& record : bundle.exercises) {
        bytes += "exercise\n";
        bytes += record.name + "\n" + record.extype + "\n" + record.description + "\n";
        bytes += std::to_string(record.online) + "\n";
    }
    bytes += "end " + std::to_string(bundle.exercises.size()) + "\n";
    return bytes;
}

void exportcircuit(const std::string& circuitPath, const ExerciseTable& library,
                   const std::string& libraryPath, const std::string& destination) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target(destination);
    const bool overLibrary = fs::equivalent(target, libraryPath, error);
    const bool aCircuit = loweredascii(target.extension().string()) == ".cir" &&
                          fs::equivalent(fs::absolute(target, error).parent_path(),
                                         fs::path(circuitPath).parent_path(), error);
    if (overLibrary || aCircuit)
        throw IoError(FileText{FileTextId::ExportOverData, {destination}, {}});
    writefileatomically(destination, bundlebytes(bundlecircuit(circuitPath, library)));
}

CircuitBundle readbundle(std::string_view bytes, const std::string& path) {
    if (bytes.size() > kLargestBundle)
        refuse(FileTextId::BundleTooLarge, path, {std::to_string(kLargestBundle / (1024 * 1024))});
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::vector<std::string_view> lines = linesOf(bytes);
    const int64_t version = lines.empty() ? -1 : countAfter(lines[0], kBundleHeading);
    if (version < 0)
        refuse(FileTextId::BundleForeign, path);
    if (version != kBundleVersion)
        refuse(FileTextId::BundleNewer, path, {std::to_string(version)});

    CircuitBundle bundle;
    size_t at = 1;
    const auto damaged = [&path](size_t line) {
        refuse(FileTextId::BundleDamaged, path, {std::to_string(line + 1)});
    };
    const int64_t circuitCount = at < lines.size() ? countAfter(lines[at], "circuit") : -1;
    if (circuitCount < 0)
        at >= lines.size() ? refuse(FileTextId::BundleCut, path) : damaged(at);
    ++at;
    if (static_cast<uint64_t>(circuitCount) > lines.size() - at)
        refuse(FileTextId::BundleCut, path);
    for (int64_t i = 0; i < circuitCount; ++i)
        bundle.circuitLines.emplace_back(lines[at++]);
    while (true) {
        if (at >= lines.size())
            refuse(FileTextId::BundleCut, path);
        if (lines[at] == "exercise") {
            if (lines.size() - at < 5)
                refuse(FileTextId::BundleCut, path);
            const std::string_view mark = lines[at + 4];
            if (mark != "0" && mark != "1")
                damaged(at + 4);
            bundle.exercises.push_back({0, std::string(lines[at + 1]), std::string(lines[at + 2]),
                                        std::string(lines[at + 3]),
                                        static_cast<uint8_t>(mark == "1" ? 1 : 0)});
            at += 5;
            continue;
        }
        const int64_t records = countAfter(lines[at], "end");
        if (records < 0)
            damaged(at);
        if (static_cast<size_t>(records) != bundle.exercises.size())
            refuse(FileTextId::BundleCut, path);
        break;
    }
    for (++at; at < lines.size(); ++at)
        if (!lines[at].empty())
            damaged(at);
    return bundle;
}
