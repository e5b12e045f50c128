#pragma once

#include "data/circuitfile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a printed circuit card shows, taken from a circuit record: the values,
// each exercise's own times already resolved against the circuit's. The
// printing side words it and lays it out.

struct CircuitCardRow {
    std::string name;         // as the file holds it
    uint32_t workseconds = 0; // a repetition entry's estimate
    uint32_t restseconds = 0; // the rest before it; the first one is the lead-in
    uint32_t reps = 0;        // 0: a timed exercise
    uint32_t sides = 1;       // 2: the work twice, left then right
    std::string description;  // the library's, whole; empty for a name it does not know
};

struct CircuitCard {
    std::string name;
    std::string type;
    uint32_t rounds = 1;
    std::optional<uint32_t> roundrest; // only for more than one round, when the file gives it
    uint32_t warmup = 0;               // 0: none
    uint32_t cooldown = 0;             // 0: none
    std::vector<CircuitCardRow> rows;  // the exercises a run goes through, at most 100
    uint64_t plannedseconds = 0;       // the run's, as circuitplan counts it
};

// A record read by readcircuit: descriptions are the ones it copied from the
// library. A file of more than 100 exercise lines gives the 100 a run goes
// through, and the planned time of those.
CircuitCard buildcircuitcard(const TCircuit2& circuit);
