#pragma once

#include "data/circuitkeys.h"

#include <cstdint>
#include <string>
#include <vector>

struct TCircuit;
struct TCircuit2;

// The run of a circuit as a list of phases. Every time the program shows (the
// grid's total, the information panel, the runner's time left, the big clock,
// the history, --plan) comes from here:
//   a warm-up phase, when there is one;
//   for each round, for each exercise: its rest (the round rest before the
//   first exercise of rounds 2 and on, where given), then its work: one
//   phase, two for two sides, repetition phases for a repetition entry;
//   a cool-down phase, when there is one.
// The first rest of round 1 is the lead-in. A circuit without exercises has
// no phases.
enum class PhaseKind : uint8_t { WarmUp, Rest, Work, Reps, CoolDown };

struct PlanPhase {
    PhaseKind kind = PhaseKind::Rest;
    uint32_t seconds = 0; // the clock's length; a repetition phase's estimate
    int round = 0;        // from 1; 0 for warm-up and cool-down
    int entry = -1;       // the exercise's index; -1 for warm-up and cool-down
    int side = 0;         // 0: one side; 1 left, 2 right
    uint32_t reps = 0;    // repetitions of a Reps phase
};

struct CircuitPlan {
    std::vector<PlanPhase> phases;
    uint64_t plannedseconds = 0; // every phase but the lead-in rest
    int rounds = 1;
    int entries = 0;   // exercise entries, as the grid counts them (at most 100 run)
    int leadin = -1;   // index of the lead-in rest; -1 without exercises
};

// The plan of a circuit record; `into` keeps its storage between calls.
CircuitPlan buildplan(const TCircuit2& circuit);
void buildplan(const TCircuit2& circuit, CircuitPlan& into);

// The planned time alone, without building the list; the same rule. Of a
// record: the exercises a run goes through (at most 100). Of a summary: every
// exercise line the file has, as the grid counts them; lines past the 100th
// count with the circuit's own times.
uint64_t plannedseconds(const TCircuit2& circuit);
uint64_t plannedseconds(const TCircuit& summary);

// What the grid and the information panel show as the total: "0" for a
// circuit without exercises, else durationtext of the planned time of every
// exercise line, so both show the same for a file of more than 100 lines.
std::string plannedtimetext(const TCircuit& summary);
std::string plannedtimetext(const TCircuit2& circuit);

// "warmup", "rest", "work", "reps", "cooldown".
const char* phasekindword(PhaseKind kind);
