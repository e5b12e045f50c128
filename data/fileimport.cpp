#include "data/fileimport.h"

#include "data/ioerror.h"
#include "data/peers/peerreader.h"
#include "data/textreader.h"

#include <filesystem>

namespace {

std::string_view withoutmark(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return bytes;
}

} // namespace

bool isbundlefile(std::string_view bytes) {
    return withoutmark(bytes).starts_with(kBundleHeading);
}

FileImport importfile(const std::string& path, ExerciseTable& library,
                      const std::string& libraryPath, const std::string& circuitsFolder) {
    // The size is asked before reading, so a huge file is never taken in.
    std::error_code error;
    if (const auto size = std::filesystem::file_size(path, error);
        !error && size > kLargestBundle)
        throw IoError(FileText{FileTextId::BundleTooLarge,
                               {path, std::to_string(kLargestBundle / (1024 * 1024))},
                               {}});
    const TextReader file(path);
    FileImport result;
    if (isbundlefile(file.bytes())) {
        const CircuitBundle bundle = readbundle(file.bytes(), path);
        // The circuit's lines start on the bundle's third line.
        result.added = importcircuits({bundle}, library, libraryPath, circuitsFolder, {path, 3});
        return result;
    }
    PeerImport peer = readpeerfile(file.bytes(), path);
    result.format = peer.format;
    result.notes = std::move(peer.notes);
    if (!peer.circuits.empty())
        result.added = importcircuits(peer.circuits, library, libraryPath, circuitsFolder, {path, 1});
    return result;
}
