#include "data/ioerror.h"
#include "data/peers/peerreader.h"

#include <exception>
#include <type_traits>

namespace {

bool readexport(std::string_view bytes, const std::string& path, PeerImport& into,
                FileText& failure) {
    try {
        into = readpeerexport(bytes, path);
        return true;
    } catch (const IoError& error) {
        failure = error.words();
    } catch (const std::exception& error) {
        // Out of memory, say: the file is not taken in either way.
        failure = FileText{FileTextId::Plain, {error.what()}, {}};
    }
    return false;
}

constexpr PeerReader kReader{kPeerReaderVersion, &readexport};

} // namespace

extern "C" __attribute__((visibility("default"))) const PeerReader* stridewell_peer_reader() {
    return &kReader;
}

static_assert(std::is_same_v<decltype(&stridewell_peer_reader), PeerReaderEntry>);
