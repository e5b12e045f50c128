#include "data/circuithead.h"

#include "data/ioerror.h"

void readCircuitKeys(const TextReader& reader, std::string_view afterSeconds, CircuitKeys& keys) {
    const std::string_view words = circuitkeywordsof(afterSeconds);
    if (const auto problem = parsecircuitkeys(words, keys))
        throw IoError(keyproblemtext(reader.path(), reader.lineNumberOf(words.data()), *problem));
}

std::string_view readExerciseLine(const TextReader& reader, std::string_view line,
                                  EntryKeys& keys) {
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        // A designed line: its keys are the defaults (cheap to set, no allocation).
        parseentrykeys({}, keys);
        return line;
    }
    // Read straight away: a scan reads keys on every line of every file. A
    // tail without any "=" was part of the name before keys existed, and
    // stays so (splitexerciseline's rule).
    const std::string_view words = line.substr(tab + 1);
    if (const auto problem = parseentrykeys(words, keys)) {
        if (words.find('=') == std::string_view::npos) {
            parseentrykeys({}, keys);
            return line;
        }
        throw IoError(keyproblemtext(reader.path(), reader.lineNumberOf(line.data()), *problem));
    }
    return line.substr(0, tab);
}
