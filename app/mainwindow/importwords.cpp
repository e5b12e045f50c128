#include "app/mainwindow/importwords.h"

#include "ui/filewords.h"
#include "ui/textconv.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace {

struct ImportWords {
    Q_DECLARE_TR_FUNCTIONS(ImportWords)
};

// A backup of a hundred workouts would make a box taller than the screen:
// the first lines of a kind, then how many more.
constexpr int kLinesOfAKind = 12;

QString arg(const PeerNote& note, size_t index) {
    return index < note.args.size() ? totext(note.args[index]) : QString();
}

void addlines(QStringList& lines, const std::vector<std::string>& names,
              const std::function<QString(const QString&)>& line,
              const std::function<QString(int)>& more) {
    const int shown = std::min<int>(kLinesOfAKind, static_cast<int>(names.size()));
    for (int i = 0; i < shown; ++i)
        lines << line(totext(names[static_cast<size_t>(i)]));
    if (static_cast<int>(names.size()) > shown)
        lines << more(static_cast<int>(names.size()) - shown);
}

} // namespace

QString peernotewords(const PeerNote& note) {
    const QString workout = arg(note, 0);
    switch (note.id) {
    case PeerNoteId::ReadAsLatin1:
        //: %1 is a file's path.
        return ImportWords::tr("%1 is not all UTF-8 text; it was read as Latin-1, so check the "
                               "accented letters")
            .arg(workout);
    case PeerNoteId::NoWorkouts:
        //: %1 is a file's path.
        return ImportWords::tr("%1 holds no workouts").arg(workout);
    case PeerNoteId::Unreadable:
        if (workout.isEmpty())
            //: %1 is the place of a workout without a name in the file (1, 2, ...).
            return ImportWords::tr("Workout %1 of the file could not be read and was not imported")
                .arg(arg(note, 1));
        //: %1 is a workout's name.
        return ImportWords::tr("\"%1\" could not be read and was not imported").arg(workout);
    case PeerNoteId::InTrash:
        //: %1 is a workout's name; TimeR Machine is another timer's name.
        return ImportWords::tr("\"%1\" is in TimeR Machine's trash and was not imported")
            .arg(workout);
    case PeerNoteId::RefusedTooManyRounds:
        //: %1 is a workout's name, %2 its rounds, %3 the most a circuit can have.
        return ImportWords::tr("\"%1\" was not imported: it has %2 rounds, and a circuit has 1 to %3")
            .arg(workout, arg(note, 1), arg(note, 2));
    case PeerNoteId::RefusedTooLong:
        //: %1 is a workout's name, %2 and %3 times in seconds.
        return ImportWords::tr("\"%1\" was not imported: a time of %2 seconds is longer than the "
                               "%3 seconds a circuit allows")
            .arg(workout, arg(note, 1), arg(note, 2));
    case PeerNoteId::RefusedTooManyExercises:
        //: %1 is a workout's name, %2 its exercises, %3 the most a circuit can hold.
        return ImportWords::tr("\"%1\" was not imported: it has %2 exercises, more than the %3 a "
                               "circuit can hold")
            .arg(workout, arg(note, 1), arg(note, 2));
    case PeerNoteId::SplitIntoCircuits:
        //: %1 is a workout's name, %2 how many circuits it became, named "%1 1" to "%1 %2".
        return ImportWords::tr("\"%1\" has parts with different rounds, so it became %2 circuits, "
                               "\"%1 1\" to \"%1 %2\"")
            .arg(workout, arg(note, 1));
    case PeerNoteId::ImportedEmpty:
        //: %1 is a circuit's name.
        return ImportWords::tr("\"%1\" has no exercises; it was imported as an empty circuit")
            .arg(workout);
    case PeerNoteId::ZeroLengthLeftOut:
        //: %1 is a workout's name, %2 how many of its exercises last 0 seconds.
        return ImportWords::tr("\"%1\": %2 exercises of 0 seconds were left out")
            .arg(workout, arg(note, 1));
    case PeerNoteId::UnknownExercise:
        //: %1 is a workout's name, %2 Feeel's number of an exercise, %3 the name it was given.
        return ImportWords::tr("\"%1\" uses Feeel exercise %2, whose name this program does not "
                               "know; it was imported as \"%3\"")
            .arg(workout, arg(note, 1), arg(note, 2));
    case PeerNoteId::Rounded:
        //: %1 is a workout's name.
        return ImportWords::tr("\"%1\": times that were not whole seconds were rounded to whole "
                               "seconds")
            .arg(workout);
    }
    return totext(englishpeernote(note));
}

QString importreportwords(const std::string& path, const FileImport& result) {
    QStringList lines;
    if (result.added.circuits.empty()) {
        lines << filetextwords(FileText{FileTextId::ImportNothing, {path}, {}});
    } else {
        lines << (result.format
                      //: %1 is a file's path, %2 the name of another interval timer.
                      ? ImportWords::tr("Imported from %1, an export of %2:")
                            .arg(totext(path), totext(std::string(peerformatname(*result.format))))
                      //: %1 is a file's path.
                      : ImportWords::tr("Imported from %1:").arg(totext(path)));
        addlines(
            lines, result.added.circuits,
            [](const QString& name) { return ImportWords::tr("Added the circuit \"%1\".").arg(name); },
            [](int more) { return ImportWords::tr("... and %n more circuits.", "", more); });
        addlines(
            lines, result.added.exercises,
            [](const QString& name) {
                return ImportWords::tr("Added the exercise \"%1\" to the library.").arg(name);
            },
            [](int more) { return ImportWords::tr("... and %n more exercises.", "", more); });
        addlines(
            lines, result.added.exercisesLeftOut,
            [](const QString& name) {
                return ImportWords::tr("The library is full: \"%1\" was not added, and the "
                                       "circuits name it still.")
                    .arg(name);
            },
            [](int more) {
                return ImportWords::tr("... and %n more exercises were not added.", "", more);
            });
    }
    for (const PeerNote& note : result.notes)
        lines << peernotewords(note);
    return lines.join(QLatin1Char('\n'));
}
