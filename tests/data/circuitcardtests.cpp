// What a printed circuit card shows of a circuit record.
#include "data/circuitcard.h"
#include "data/circuitplan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

std::unique_ptr<TCircuit2> legs(int exercises) {
    auto circuit = std::make_unique<TCircuit2>();
    circuit->circuitname = "Legs";
    circuit->circuittype = "Lower Body";
    circuit->exerciseinterval = 40;
    circuit->restinterval = 20;
    circuit->exercisecount = exercises;
    for (int index = 0; index < std::min(exercises, kMaxCircuitExercises); ++index) {
        TExercise2& entry = circuit->exercises[static_cast<size_t>(index)];
        entry.number = static_cast<uint32_t>(index + 1);
        entry.name = "Squat " + std::to_string(index + 1);
    }
    return circuit;
}

} // namespace

TEST(CircuitCard, entries_takeTheCircuitsTimesWhereTheirKeysSayNothing) {
    auto circuit = legs(2);
    circuit->keys.rounds = 3;
    circuit->keys.roundrest = 60;
    circuit->keys.warmup = 120;
    circuit->exercises[0].description = "Sit back as onto a chair.";
    circuit->exercises[1].keys =
        EntryKeys{.rest = 10, .work = 30, .reps = 12, .sides = 2, .unknown = {}};

    const CircuitCard card = buildcircuitcard(*circuit);

    ASSERT_EQ(card.rows.size(), 2u);
    const CircuitCardRow& plain = card.rows[0];
    EXPECT_EQ(plain.name, "Squat 1");
    EXPECT_EQ(plain.workseconds, 40u);
    EXPECT_EQ(plain.restseconds, 20u);
    EXPECT_EQ(plain.reps, 0u);
    EXPECT_EQ(plain.sides, 1u);
    EXPECT_EQ(plain.description, "Sit back as onto a chair.");
    const CircuitCardRow& keyed = card.rows[1];
    EXPECT_EQ(keyed.workseconds, 30u);
    EXPECT_EQ(keyed.restseconds, 10u);
    EXPECT_EQ(keyed.reps, 12u);
    EXPECT_EQ(keyed.sides, 2u);
    EXPECT_EQ(card.rounds, 3u);
    EXPECT_EQ(card.roundrest, 60u);
    EXPECT_EQ(card.warmup, 120u);
    EXPECT_EQ(card.plannedseconds, plannedseconds(*circuit));
}

TEST(CircuitCard, oneRoundHasNoRoundRest_andALongFileGivesTheHundredARunGoesThrough) {
    auto circuit = legs(130);
    circuit->keys.roundrest = 45; // said, but there is no second round

    const CircuitCard card = buildcircuitcard(*circuit);

    EXPECT_EQ(card.rounds, 1u);
    EXPECT_FALSE(card.roundrest.has_value());
    ASSERT_EQ(card.rows.size(), static_cast<size_t>(kMaxCircuitExercises));
    EXPECT_EQ(card.rows.back().name, "Squat 100");
    EXPECT_EQ(card.plannedseconds, plannedseconds(*circuit));
    EXPECT_TRUE(buildcircuitcard(*legs(0)).rows.empty());
}
