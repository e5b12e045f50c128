#include "data/peers/peerimport.h"

// The notes' English words live apart from the readers: the command line
// words them without loading the import module.

namespace {

const std::string& arg(const PeerNote& note, size_t index) {
    static const std::string none;
    return index < note.args.size() ? note.args[index] : none;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string englishpeernote(const PeerNote& note) {
    const std::string workout = quoted(arg(note, 0));
    switch (note.id) {
    case PeerNoteId::ReadAsLatin1:
        return arg(note, 0) +
               " is not all UTF-8 text; it was read as Latin-1, so check the accented letters";
    case PeerNoteId::NoWorkouts:
        return arg(note, 0) + " holds no workouts";
    case PeerNoteId::Unreadable:
        return (arg(note, 0).empty() ? "Workout " + arg(note, 1) + " of the file" : workout) +
               " could not be read and was not imported";
    case PeerNoteId::InTrash:
        return workout + " is in TimeR Machine's trash and was not imported";
    case PeerNoteId::RefusedTooManyRounds:
        return workout + " was not imported: it has " + arg(note, 1) +
               " rounds, and a circuit has 1 to " + arg(note, 2);
    case PeerNoteId::RefusedTooLong:
        return workout + " was not imported: a time of " + arg(note, 1) +
               " seconds is longer than the " + arg(note, 2) + " seconds a circuit allows";
    case PeerNoteId::RefusedTooManyExercises:
        return workout + " was not imported: it has " + arg(note, 1) +
               " exercises, more than the " + arg(note, 2) + " a circuit can hold";
    case PeerNoteId::SplitIntoCircuits:
        return workout + " has parts with different rounds, so it became " + arg(note, 1) +
               " circuits, " + quoted(arg(note, 0) + " 1") + " to " +
               quoted(arg(note, 0) + " " + arg(note, 1));
    case PeerNoteId::ImportedEmpty:
        return workout + " has no exercises; it was imported as an empty circuit";
    case PeerNoteId::ZeroLengthLeftOut:
        return workout + ": " + arg(note, 1) + " exercises of 0 seconds were left out";
    case PeerNoteId::UnknownExercise:
        return workout + " uses Feeel exercise " + arg(note, 1) +
               ", whose name this program does not know; it was imported as " +
               quoted(arg(note, 2));
    case PeerNoteId::Rounded:
        return workout + ": times that were not whole seconds were rounded to whole seconds";
    }
    return {};
}

std::string_view peerformatname(PeerFormat format) {
    switch (format) {
    case PeerFormat::Jawt:
        return "Just Another Workout Timer";
    case PeerFormat::OpenHiit:
        return "OpenHIIT";
    case PeerFormat::Feeel:
        return "Feeel";
    case PeerFormat::TimerMachine:
        return "TimeR Machine";
    }
    return {};
}
