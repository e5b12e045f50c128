#include "circuitfile.h"

#include "atomicfile.h"
#include "circuithead.h"
#include "textreader.h"
#include "textwriter.h"

TCircuit2 readcircuit(const std::string& path, const ExerciseTable& table) {
    TextReader reader(path);
    TCircuit2 circuit;
    readCircuitHead(reader, circuit);
    circuit.filename = path;

    int count = 0;
    // Lines after the 100th exercise are left out: entry 100 must stay free.
    while (!reader.atEnd() && count < kMaxCircuitExercises) {
        TExercise2& entry = circuit.exercises[static_cast<size_t>(count)];
        entry.name = reader.readLine();
        const int slot = findexercisebyname(table, entry.name);
        const TExercise& record = table[slot];
        if (record.number != 0) {
            entry.number = record.number;
            entry.description = record.description;
            entry.online = record.online;
        } else {
            // Unknown names (and blank lines) stay in the list, so a later write keeps them.
            entry.number = kNoExercise;
        }
        ++count;
    }
    circuit.exercisecount = count;
    return circuit;
}

void writecircuit(const std::string& path, TCircuit2 circuit) {
    std::string bytes;
    bytes.reserve(4096);
    appendline(bytes, circuit.circuitname);
    appendline(bytes, circuit.circuittype);
    appendline(bytes, std::to_string(circuit.exerciseinterval));
    appendline(bytes, std::to_string(circuit.restinterval));
    for (const TExercise2& entry : circuit.exercises) {
        if (entry.number == 0)
            break;
        appendline(bytes, entry.name);
    }
    writefileatomically(path, bytes);
}
