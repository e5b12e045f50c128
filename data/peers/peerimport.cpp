#include "data/peers/peerimport.h"

#include "data/ioerror.h"
#include "data/peers/peerformats.h"

namespace {

[[noreturn]] void refuse(const std::string& path) {
    throw IoError(FileText{FileTextId::ImportForeign, {path}, {}});
}

} // namespace

PeerImport readpeerexport(std::string_view bytes, const std::string& path) {
    const JsonRead read = readjson(bytes);
    if (!read)
        refuse(path);
    const JsonValue root = read.document->root();
    PeerImport result;
    if (read.document->readLatin1())
        result.notes.push_back({PeerNoteId::ReadAsLatin1, {path}});
    size_t workouts = 0;
    // Feeel's and TimeR Machine's own keys first: a JAWT workout is told by
    // "title" and "sets" alone.
    if (peers::isfeeel(root)) {
        result.format = PeerFormat::Feeel;
        workouts = peers::readfeeel(root, result);
    } else if (peers::istimermachine(root)) {
        result.format = PeerFormat::TimerMachine;
        workouts = peers::readtimermachine(root, result);
    } else if (peers::isjawt(root)) {
        result.format = PeerFormat::Jawt;
        workouts = peers::readjawt(root, result);
    } else if (peers::isopenhiit(root)) {
        result.format = PeerFormat::OpenHiit;
        workouts = peers::readopenhiit(root, result);
    } else {
        refuse(path);
    }
    if (workouts == 0)
        result.notes.push_back({PeerNoteId::NoWorkouts, {path}});
    return result;
}
