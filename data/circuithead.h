#pragma once

#include "data/circuitkeys.h"
#include "data/textreader.h"

#include <cstdint>
#include <string_view>

// Reads the keys after the exercise seconds ("20 rounds=8") into `keys`; words
// without a "=" after the number are no keys and stay ignored, as they always
// were. Raises IoError naming the file, the line and the key.
void readCircuitKeys(const TextReader& reader, std::string_view afterSeconds, CircuitKeys& keys);

// Reads the keys of an exercise line into `keys` and gives back its name; a
// line without keys is all name. Raises IoError naming the file, the line and
// the key.
std::string_view readExerciseLine(const TextReader& reader, std::string_view line,
                                  EntryKeys& keys);

// The four lines every circuit file starts with: name, type, exercise interval
// (and the circuit's keys after it), rest interval. The circuit reader, the
// summary reader and the scan all read them here, so they cannot come to
// disagree. Fills any record with these fields (TCircuit, TCircuit2). Raises
// IoError for an interval that is not a number or a key that cannot be read.
template <typename Circuit> void readCircuitHead(TextReader& reader, Circuit& circuit) {
    reader.readLine(circuit.circuitname);
    reader.readLine(circuit.circuittype);
    std::string_view afterSeconds;
    circuit.exerciseinterval = static_cast<uint32_t>(reader.readNumber(afterSeconds));
    readCircuitKeys(reader, afterSeconds, circuit.keys);
    circuit.restinterval = static_cast<uint32_t>(reader.readNumber());
}
