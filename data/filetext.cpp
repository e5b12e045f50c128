#include "data/filetext.h"

namespace {

const std::string& arg(const FileText& text, size_t index) {
    static const std::string none;
    return index < text.args.size() ? text.args[index] : none;
}

std::string causetext(const FileText& text) {
    return text.cause.empty() ? std::string() : englishtext(text.cause.front());
}


} // namespace

std::string englishkeyreason(const FileText& text) {
    const std::string key = "\"" + arg(text, 2) + "\" ";
    switch (text.id) {
    case FileTextId::KeyNotKeyValue:
        return key + "is not a key=value word";
    case FileTextId::KeyTwice:
        return key + "is given twice";
    case FileTextId::KeyOutOfRange:
        return key + "must be a number from " + arg(text, 3) + " to " + arg(text, 4);
    default:
        return {};
    }
}

std::string englishtext(const FileText& text) {
    switch (text.id) {
    case FileTextId::Plain:
        break;
    case FileTextId::KeyNotKeyValue:
    case FileTextId::KeyTwice:
    case FileTextId::KeyOutOfRange:
        return arg(text, 0) + ", line " + arg(text, 1) + ": " + englishkeyreason(text);
    case FileTextId::CircuitTooLong:
        return "The circuit \"" + arg(text, 0) + "\" lists " + arg(text, 1) +
               " exercises, more than the " + arg(text, 2) +
               " a circuit can hold, so it is not stored: its file stays as it is.";
    case FileTextId::TabInName:
        return "The exercise \"" + arg(text, 0) +
               "\" has a tab character in its name, so its times cannot be stored with it. "
               "Rename it in the exercise library first.";
    case FileTextId::LibraryUnread:
        return arg(text, 0) + " could not be read (" + causetext(text) + ")";
    case FileTextId::LibraryTooLarge:
        return arg(text, 0) + " holds more than " + arg(text, 1) +
               " exercises, more than the library can take";
    case FileTextId::LibraryNotSaved:
        return "The exercise library is not saved to " + arg(text, 0) + ": " + causetext(text) +
               ", and saving would replace what the file holds. The file stays as it is; mend "
               "it and start Stridewell again.";
    case FileTextId::ExportOverItself:
        return "The history cannot be exported over itself";
    case FileTextId::BundleForeign:
        return arg(text, 0) + " is not a Stridewell circuit file";
    case FileTextId::BundleNewer:
        return arg(text, 0) + " was written by a newer Stridewell (format " + arg(text, 1) + ")";
    case FileTextId::BundleCut:
        return arg(text, 0) + " is cut short";
    case FileTextId::BundleTooLarge:
        return arg(text, 0) + " is larger than " + arg(text, 1) + " MiB";
    case FileTextId::BundleDamaged:
        return arg(text, 0) + " is damaged at line " + arg(text, 1);
    case FileTextId::ImportBadName:
        return arg(text, 0) + ": the circuit name \"" + arg(text, 1) + "\" cannot be a file name";
    case FileTextId::ImportNothing:
        return arg(text, 0) + " holds no circuit that can be imported";
    case FileTextId::ExportOverData:
        return arg(text, 0) + " is one of Stridewell's own data files; choose another file";
    case FileTextId::ImportNoReader:
        return arg(text, 0) + " cannot be imported: this installation lacks its import module";
    case FileTextId::ImportForeign:
        return arg(text, 0) + " is neither a Stridewell circuit nor an export of Just Another "
                              "Workout Timer, OpenHIIT, Feeel or TimeR Machine";
    }
    return arg(text, 0);
}
