#include "data/circuitfile.h"

#include "data/atomicfile.h"
#include "data/circuithead.h"
#include "data/ioerror.h"
#include "data/textreader.h"
#include "data/textwriter.h"

TCircuit2 readcircuit(const std::string& path, const ExerciseTable& table) {
    TCircuit2 circuit;
    readcircuit(path, table, circuit);
    return circuit;
}

void readcircuit(const std::string& path, const ExerciseTable& table, TCircuit2& circuit) {
    TextReader reader(path);
    readcircuit(reader, table, circuit);
}

void readcircuit(TextReader& reader, const ExerciseTable& table, TCircuit2& circuit) {
    readCircuitHead(reader, circuit);
    circuit.filename = reader.path();
    LineCursor lines = reader.lines();

    int count = 0;
    // Lines after the 100th exercise are counted but not kept: entry 100 must
    // stay free.
    while (!lines.atEnd() && count < kMaxCircuitExercises) {
        TExercise2& entry = circuit.exercises[static_cast<size_t>(count)];
        const std::string_view name = readExerciseLine(reader, lines.readLineView(), entry.keys);
        copyText(entry.name, name);
        const int slot = findexercisebyname(table, name);
        const TExercise& record = table[slot];
        if (record.number != 0) {
            entry.number = record.number;
            copyText(entry.description, record.description);
            entry.online = record.online;
        } else {
            // Unknown names (and blank lines) stay in the list, so a later write keeps them.
            entry.number = kNoExercise;
            entry.description.clear();
            entry.online = 0;
        }
        ++count;
    }
    // The entries after the last one read are free, whatever the record held.
    for (int free = count; free < kCircuitEntries; ++free) {
        TExercise2& entry = circuit.exercises[static_cast<size_t>(free)];
        entry.number = 0;
        entry.name.clear();
        entry.description.clear();
        entry.online = 0;
        entry.keys = EntryKeys{};
    }
    circuit.exercisecount = static_cast<int32_t>(count + lines.skipRemainingLines());
}

void writecircuit(const std::string& path, TCircuit2 circuit) {
    // A record read from a file of more than 100 exercises holds only the first
    // 100; writing it would cut the file.
    if (circuit.exercisecount > kMaxCircuitExercises)
        throw IoError(circuittoolongmessage(circuit));
    std::string bytes;
    bytes.reserve(4096);
    appendline(bytes, circuit.circuitname);
    appendline(bytes, circuit.circuittype);
    std::string seconds = std::to_string(circuit.exerciseinterval);
    if (const std::string words = circuitkeywords(circuit.keys); !words.empty())
        seconds += ' ' + words;
    appendline(bytes, seconds);
    appendline(bytes, std::to_string(circuit.restinterval));
    for (const TExercise2& entry : circuit.exercises) {
        if (entry.number == 0)
            break;
        const std::string words =
            entrykeywords(entry.keys, circuit.exerciseinterval, circuit.restinterval);
        if (words.empty()) {
            appendline(bytes, entry.name);
            continue;
        }
        // A name holding a TAB (from before keys existed) would read back as keys.
        if (entry.name.find('\t') != std::string::npos)
            throw IoError(tabnamemessage(entry.name));
        appendline(bytes, entry.name + '\t' + words);
    }
    writefileatomically(path, bytes);
}

FileText tabnamemessage(const std::string& name) {
    return {FileTextId::TabInName, {name}, {}};
}

FileText circuittoolongmessage(const TCircuit2& circuit) {
    return {FileTextId::CircuitTooLong,
            {circuit.circuitname, std::to_string(circuit.exercisecount),
             std::to_string(kMaxCircuitExercises)},
            {}};
}

