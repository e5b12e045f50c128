#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a file error says, named by an id with its arguments, so the windows
// can word it in the user's language. englishtext() words it as the runtime
// and the command line give it, which is also what the error's what() says.
enum class FileTextId : uint8_t {
    Plain,            // [text]: the runtime's own text ("File not found") as it stands
    KeyNotKeyValue,   // [path, line, word]
    KeyTwice,         // [path, line, key]
    KeyOutOfRange,    // [path, line, key, low, high]
    CircuitTooLong,   // [circuit name, exercises listed, most a circuit holds]
    TabInName,        // [exercise name]
    LibraryUnread,    // [path] and the cause: the library file could not be read
    LibraryTooLarge,  // [path, most the library holds]
    LibraryNotSaved,  // [path] and the cause: why the table does not hold the file
    ExportOverItself, // []
    BundleForeign,    // [path]: not a circuit file of this program
    BundleNewer,      // [path, version]: written by a newer version
    BundleCut,        // [path]: ends before its end line
    BundleTooLarge,   // [path, most in MiB]
    BundleDamaged,    // [path, line]
    ImportBadName,    // [path, circuit name]: the name cannot be a file name
    ImportNothing,    // [path]: no circuit in the file could be imported
    ExportOverData,   // [path]: the file is one of the program's own data files
    ImportNoReader,   // [path]: the module that reads other timers' files is missing
    ImportForeign,    // [path]: none of the formats the program imports
};

struct FileText {
    FileTextId id = FileTextId::Plain;
    std::vector<std::string> args;
    std::vector<FileText> cause; // at most one: the text this one is about

    bool empty() const { return id == FileTextId::Plain && (args.empty() || args[0].empty()); }
};

std::string englishtext(const FileText& text);
// A key text's reason alone: "\"rounds\" must be a number from 1 to 99".
std::string englishkeyreason(const FileText& keyText);
