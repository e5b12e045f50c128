#include "data/peers/peerreader.h"

#include "data/ioerror.h"
#include "data/moduleloader.h"

namespace {

constinit ModuleTable<PeerReader> g_reader{
    STRIDEWELL_IMPORT_MODULE, kPeerReaderEntry, kPeerReaderVersion,
    [](const PeerReader& reader) { return reader.read != nullptr; }};

} // namespace

PeerImport readpeerfile(std::string_view bytes, const std::string& path) {
    const PeerReader* reader = g_reader.get();
    if (!reader)
        throw IoError(FileText{FileTextId::ImportNoReader, {path}, {}});
    PeerImport result;
    FileText failure;
    if (!reader->read(bytes, path, result, failure))
        throw IoError(std::move(failure));
    return result;
}
