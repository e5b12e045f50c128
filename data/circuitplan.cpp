#include "data/circuitplan.h"

#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "data/durationtext.h"

#include <algorithm>

namespace {

// The one rule: calls visit(phase) for every phase of the plan, in running
// order. keysOf(i) gives exercise i's keys. `roundsWalked` stops the walk
// after that many rounds (the cool-down still comes), for a caller that only
// needs rounds 1 and 2: every round after the first is the same as round 2.
template <typename KeysOf, typename Visit>
void walkPlan(const CircuitKeys& keys, uint32_t exerciseinterval, uint32_t restinterval,
              int entries, KeysOf keysOf, Visit visit, int roundsWalked = kMaxRounds) {
    if (entries <= 0)
        return;
    if (keys.warmup > 0)
        visit(PlanPhase{PhaseKind::WarmUp, keys.warmup, 0, -1, 0, 0});
    const int rounds = std::min(static_cast<int>(std::clamp<uint32_t>(keys.rounds, 1, kMaxRounds)),
                                roundsWalked);
    for (int round = 1; round <= rounds; ++round) {
        for (int entry = 0; entry < entries; ++entry) {
            const EntryKeys& own = keysOf(entry);
            const bool roundStart = round > 1 && entry == 0 && keys.roundrest.has_value();
            const uint32_t rest = roundStart ? *keys.roundrest : own.rest.value_or(restinterval);
            visit(PlanPhase{PhaseKind::Rest, rest, round, entry, 0, 0});
            const uint32_t work = own.work.value_or(exerciseinterval);
            const PhaseKind kind = own.reps ? PhaseKind::Reps : PhaseKind::Work;
            const uint32_t reps = own.reps.value_or(0);
            if (own.sides == 2) {
                visit(PlanPhase{kind, work, round, entry, 1, reps});
                visit(PlanPhase{kind, work, round, entry, 2, reps});
            } else {
                visit(PlanPhase{kind, work, round, entry, 0, reps});
            }
        }
    }
    if (keys.cooldown > 0)
        visit(PlanPhase{PhaseKind::CoolDown, keys.cooldown, 0, -1, 0, 0});
}

// The exercises a run goes through: at most 100, however many lines the file had.
int runEntries(const TCircuit2& circuit) {
    return std::clamp(circuit.exercisecount, 0, kMaxCircuitExercises);
}

// The plan's seconds, walked through rounds 1 and 2 only: a circuit of 99
// rounds of 100 exercises is summed as fast as one of two rounds. Without a
// round rest, round 2 is round 1 with its lead-in, and round 1 is enough.
template <typename KeysOf>
uint64_t sumPlan(const CircuitKeys& keys, uint32_t exerciseinterval, uint32_t restinterval,
                 int entries, KeysOf keysOf) {
    uint64_t outside = 0; // the warm-up and the cool-down
    uint64_t firstRound = 0;
    uint64_t laterRound = 0;
    uint64_t leadin = 0;
    bool leadinSeen = false;
    const int roundsWalked = keys.roundrest ? 2 : 1;
    walkPlan(
        keys, exerciseinterval, restinterval, entries, keysOf,
        [&](const PlanPhase& phase) {
            // The lead-in is the wait before the workout, not part of it.
            if (phase.kind == PhaseKind::Rest && !leadinSeen) {
                leadinSeen = true;
                leadin = phase.seconds;
                return;
            }
            (phase.round == 0 ? outside : phase.round == 1 ? firstRound : laterRound) +=
                phase.seconds;
        },
        roundsWalked);
    if (roundsWalked == 1)
        laterRound = firstRound + leadin;
    const uint64_t rounds = std::clamp<uint32_t>(keys.rounds, 1, kMaxRounds);
    return outside + firstRound + (rounds - 1) * laterRound;
}

} // namespace

CircuitPlan buildplan(const TCircuit2& circuit) {
    CircuitPlan plan;
    buildplan(circuit, plan);
    return plan;
}

void buildplan(const TCircuit2& circuit, CircuitPlan& into) {
    into.phases.clear();
    into.plannedseconds = 0;
    into.leadin = -1;
    into.entries = runEntries(circuit);
    into.rounds = static_cast<int>(std::clamp<uint32_t>(circuit.keys.rounds, 1, kMaxRounds));
    walkPlan(
        circuit.keys, circuit.exerciseinterval, circuit.restinterval, into.entries,
        [&circuit](int entry) -> const EntryKeys& {
            return circuit.exercises[static_cast<size_t>(entry)].keys;
        },
        [&into](const PlanPhase& phase) {
            if (phase.kind == PhaseKind::Rest && into.leadin < 0)
                into.leadin = static_cast<int>(into.phases.size());
            else
                into.plannedseconds += phase.seconds;
            into.phases.push_back(phase);
        });
}

uint64_t plannedseconds(const TCircuit2& circuit) {
    return sumPlan(circuit.keys, circuit.exerciseinterval, circuit.restinterval,
                   runEntries(circuit), [&circuit](int entry) -> const EntryKeys& {
                       return circuit.exercises[static_cast<size_t>(entry)].keys;
                   });
}

namespace {

// The keys of exercise `entry` of a record of `stored` kept entries; lines
// past them count with the circuit's own times.
const EntryKeys kDefaultKeys;

template <typename KeysAt> auto keysOrDefaults(KeysAt keysAt) {
    return [keysAt](int entry) -> const EntryKeys& {
        return entry < kMaxCircuitExercises ? keysAt(static_cast<size_t>(entry)) : kDefaultKeys;
    };
}

} // namespace

uint64_t plannedseconds(const TCircuit& summary) {
    return sumPlan(summary.keys, summary.exerciseinterval, summary.restinterval,
                   std::max(summary.exercisecount, 0),
                   keysOrDefaults([&summary](size_t entry) -> const EntryKeys& {
                       return summary.entrykeys[entry];
                   }));
}

std::string plannedtimetext(const TCircuit& summary) {
    return summary.exercisecount <= 0 ? "0" : durationtext(plannedseconds(summary));
}

std::string plannedtimetext(const TCircuit2& circuit) {
    if (circuit.exercisecount <= 0)
        return "0";
    return durationtext(sumPlan(circuit.keys, circuit.exerciseinterval, circuit.restinterval,
                                circuit.exercisecount,
                                keysOrDefaults([&circuit](size_t entry) -> const EntryKeys& {
                                    return circuit.exercises[entry].keys;
                                })));
}

const char* phasekindword(PhaseKind kind) {
    switch (kind) {
    case PhaseKind::WarmUp:
        return "warmup";
    case PhaseKind::Rest:
        return "rest";
    case PhaseKind::Work:
        return "work";
    case PhaseKind::Reps:
        return "reps";
    case PhaseKind::CoolDown:
        return "cooldown";
    }
    return "";
}
