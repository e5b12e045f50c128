#include "ui/filewords.h"

#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QCoreApplication>

namespace {

struct FileWords {
    Q_DECLARE_TR_FUNCTIONS(FileWords)
};

QString arg(const FileText& text, size_t index) {
    return index < text.args.size() ? totext(text.args[index]) : QString();
}

QString causewords(const FileText& text) {
    return text.cause.empty() ? QString() : filetextwords(text.cause.front());
}

} // namespace

QString keyreasonwords(const FileText& text) {
    switch (text.id) {
    case FileTextId::KeyNotKeyValue:
        //: %1 is a word of a circuit file, as written; "key=value" is a technical term.
        return FileWords::tr("\"%1\" is not a key=value word").arg(arg(text, 2));
    case FileTextId::KeyTwice:
        //: %1 is a key of a circuit file ("rounds"), which stays English.
        return FileWords::tr("\"%1\" is given twice").arg(arg(text, 2));
    case FileTextId::KeyOutOfRange:
        //: %1 is a key of a circuit file ("rounds"), which stays English; %2 and %3 the range.
        return FileWords::tr("\"%1\" must be a number from %2 to %3")
            .arg(arg(text, 2), arg(text, 3), arg(text, 4));
    default:
        return {};
    }
}

QString filetextwords(const FileText& text) {
    switch (text.id) {
    case FileTextId::Plain:
        break;
    case FileTextId::KeyNotKeyValue:
    case FileTextId::KeyTwice:
    case FileTextId::KeyOutOfRange:
        //: %1 is a file's path, %2 a line number, %3 what is wrong with a key there.
        return FileWords::tr("%1, line %2: %3").arg(arg(text, 0), arg(text, 1), keyreasonwords(text));
    case FileTextId::CircuitTooLong:
        //: %1 is the circuit's name, %2 the exercises its file lists (more than %3).
        return FileWords::tr("The circuit \"%1\" lists %2 exercises, more than the %3 a circuit can hold, so "
                  "it is not stored: its file stays as it is.")
            .arg(arg(text, 0), arg(text, 1), arg(text, 2));
    case FileTextId::TabInName:
        return FileWords::tr("The exercise \"%1\" has a tab character in its name, so its times cannot be "
                  "stored with it. Rename it in the exercise library first.")
            .arg(arg(text, 0));
    case FileTextId::LibraryUnread:
        //: %1 is the library file's path, %2 why it could not be read.
        return FileWords::tr("%1 could not be read (%2)").arg(arg(text, 0), causewords(text));
    case FileTextId::LibraryTooLarge:
        return FileWords::tr("%1 holds more than %2 exercises, more than the library can take")
            .arg(arg(text, 0), arg(text, 1));
    case FileTextId::LibraryNotSaved:
        //: %1 is the library file's path; %2 says why the program does not hold all of it.
        return FileWords::tr("The exercise library is not saved to %1: %2, and saving would replace what the "
                  "file holds. The file stays as it is; mend it and start Stridewell again.")
            .arg(arg(text, 0), causewords(text));
    case FileTextId::ExportOverItself:
        return FileWords::tr("The history cannot be exported over itself");
    case FileTextId::BundleForeign:
        //: %1 is a file's path.
        return FileWords::tr("%1 is not a Stridewell circuit file").arg(arg(text, 0));
    case FileTextId::BundleNewer:
        //: %1 is a file's path, %2 the number of its format.
        return FileWords::tr("%1 was written by a newer Stridewell (format %2)")
            .arg(arg(text, 0), arg(text, 1));
    case FileTextId::BundleCut:
        //: %1 is a file's path.
        return FileWords::tr("%1 is cut short").arg(arg(text, 0));
    case FileTextId::BundleTooLarge:
        //: %1 is a file's path, %2 a size in mebibytes.
        return FileWords::tr("%1 is larger than %2 MiB").arg(arg(text, 0), arg(text, 1));
    case FileTextId::BundleDamaged:
        //: %1 is a file's path, %2 a line number.
        return FileWords::tr("%1 is damaged at line %2").arg(arg(text, 0), arg(text, 1));
    case FileTextId::ImportForeign:
        //: %1 is a file's path; the others are names of other interval timers.
        return FileWords::tr("%1 is neither a Stridewell circuit nor an export of Just Another "
                             "Workout Timer, OpenHIIT, Feeel or TimeR Machine")
            .arg(arg(text, 0));
    case FileTextId::ImportBadName:
        //: %1 is a file's path, %2 the name of a circuit it holds.
        return FileWords::tr("%1: the circuit name \"%2\" cannot be a file name")
            .arg(arg(text, 0), arg(text, 1));
    case FileTextId::ImportNothing:
        //: %1 is a file's path.
        return FileWords::tr("%1 holds no circuit that can be imported").arg(arg(text, 0));
    case FileTextId::ExportOverData:
        //: %1 is a file's path.
        return FileWords::tr("%1 is one of Stridewell's own data files; choose another file")
            .arg(arg(text, 0));
    case FileTextId::ImportNoReader:
        //: %1 is a file's path; the module is a part of the program's installation.
        return FileWords::tr("%1 cannot be imported: this installation lacks its import module")
            .arg(arg(text, 0));
    }
    return errortext(text.args.empty() ? std::string() : text.args[0]);
}
