#include "data/circuitcard.h"

#include "data/circuitplan.h"

#include <algorithm>
#include <utility>

CircuitCard buildcircuitcard(const TCircuit2& circuit) {
    CircuitCard card;
    card.name = circuit.circuitname;
    card.type = circuit.circuittype;
    const CircuitKeys& keys = circuit.keys;
    card.rounds = std::clamp<uint32_t>(keys.rounds, 1, kMaxRounds);
    // One round has no rest between rounds, whatever the file says.
    if (card.rounds > 1)
        card.roundrest = keys.roundrest;
    card.warmup = keys.warmup;
    card.cooldown = keys.cooldown;

    const int entries = std::clamp(circuit.exercisecount, 0, kMaxCircuitExercises);
    card.rows.reserve(static_cast<size_t>(entries));
    for (int index = 0; index < entries; ++index) {
        const TExercise2& entry = circuit.exercises[static_cast<size_t>(index)];
        CircuitCardRow row;
        row.name = entry.name;
        row.workseconds = entry.keys.work.value_or(circuit.exerciseinterval);
        row.restseconds = entry.keys.rest.value_or(circuit.restinterval);
        row.reps = entry.keys.reps.value_or(0);
        row.sides = entry.keys.sides == 2 ? 2 : 1;
        row.description = entry.description;
        card.rows.push_back(std::move(row));
    }
    card.plannedseconds = plannedseconds(circuit);
    return card;
}
