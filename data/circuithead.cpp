#include "data/circuithead.h"

#include "data/ioerror.h"

void readCircuitKeys(const TextReader& reader, std::string_view afterSeconds, CircuitKeys& keys) {
    const std::string_view words = circuitkeywordsof(afterSeconds);
    if (words.empty()) {
        keys = CircuitKeys{};
        return;
    }
    if (const auto problem = parsecircuitkeys(words, keys))
        throw IoError(keyproblemtext(reader.path(), reader.lineNumberOf(words.data()), *problem));
}

std::string_view readExerciseLine(const TextReader& reader, std::string_view line,
                                  EntryKeys& keys) {
    const ExerciseLine split = splitexerciseline(line);
    if (!split.hasKeys) {
        if (keys != EntryKeys{})
            keys = EntryKeys{};
        return split.name;
    }
    if (const auto problem = parseentrykeys(split.words, keys))
        throw IoError(keyproblemtext(reader.path(), reader.lineNumberOf(line.data()), *problem));
    return split.name;
}
