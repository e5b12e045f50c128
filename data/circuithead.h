#pragma once

#include "data/textreader.h"

#include <cstdint>

// The four lines every circuit file starts with: name, type, exercise interval,
// rest interval. The circuit reader, the summary reader and the scan all read
// them here, so they cannot come to disagree. Fills any record with these four
// fields (TCircuit, TCircuit2). Raises IoError for an interval that is not a number.
template <typename Circuit> void readCircuitHead(TextReader& reader, Circuit& circuit) {
    reader.readLine(circuit.circuitname);
    reader.readLine(circuit.circuittype);
    circuit.exerciseinterval = static_cast<uint32_t>(reader.readNumber());
    circuit.restinterval = static_cast<uint32_t>(reader.readNumber());
}
