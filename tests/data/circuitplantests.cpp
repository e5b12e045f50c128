#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "data/ioerror.h"
#include "datahelpers.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

namespace {

// "warmup:120 rest:10/1/0 work:20/1/0 ..." : kind, seconds, then round/entry
// (and side or reps where there is one), so a table row reads like the plan.
std::string describe(const CircuitPlan& plan) {
    std::string text;
    for (const PlanPhase& phase : plan.phases) {
        if (!text.empty())
            text += ' ';
        text += std::string(phasekindword(phase.kind)) + ':' + std::to_string(phase.seconds);
        if (phase.entry >= 0)
            text += '/' + std::to_string(phase.round) + '/' + std::to_string(phase.entry);
        if (phase.side != 0)
            text += "s" + std::to_string(phase.side);
        if (phase.reps != 0)
            text += "x" + std::to_string(phase.reps);
    }
    return text;
}

class CircuitPlanRule : public ::testing::Test {
protected:
    // A circuit file with the given seconds line (line 3) and exercise lines.
    TCircuit2 read(const std::string& secondsLine, const std::string& exercises,
                   const std::string& rest = "10") {
        folder.writeFile("Circuits/p.cir",
                         "P\r\nUpper Body\r\n" + secondsLine + "\r\n" + rest + "\r\n" + exercises);
        return readcircuit(path(), *table);
    }
    std::string path() const { return folder.path() + "Circuits/p.cir"; }

    TempFolder folder;
    std::unique_ptr<ExerciseTable> table = makeTable({{1, "A", "Upper Body", "", 0}});
};

TEST_F(CircuitPlanRule, phasesAndPlannedTime_followEveryKey) {
    const struct {
        const char* seconds;
        const char* exercises;
        const char* phases;
        uint64_t planned;
    } cases[] = {
        // Designed: E x n + R x (n - 1).
        {"20", "A\r\nB\r\nC\r\n", "rest:10/1/0 work:20/1/0 rest:10/1/1 work:20/1/1 rest:10/1/2 work:20/1/2",
         80},
        {"20", "", "", 0},
        {"20 rounds=2", "A\r\nB\r\n",
         "rest:10/1/0 work:20/1/0 rest:10/1/1 work:20/1/1 rest:10/2/0 work:20/2/0 rest:10/2/1 "
         "work:20/2/1",
         110},
        {"20 rounds=2 roundrest=60", "A\r\n", "rest:10/1/0 work:20/1/0 rest:60/2/0 work:20/2/0",
         100},
        {"20 warmup=120 cooldown=30", "A\r\n", "warmup:120 rest:10/1/0 work:20/1/0 cooldown:30",
         170},
        {"20", "A\trest=0 work=60\r\nB\twork=5\r\n", "rest:0/1/0 work:60/1/0 rest:10/1/1 work:5/1/1",
         75},
        {"20", "A\treps=15 work=40\r\n", "rest:10/1/0 reps:40/1/0x15", 40},
        {"20", "A\treps=15\r\n", "rest:10/1/0 reps:20/1/0x15", 20},
        {"20", "A\tsides=2\r\nB\treps=8 sides=2\r\n",
         "rest:10/1/0 work:20/1/0s1 work:20/1/0s2 rest:10/1/1 reps:20/1/1s1x8 reps:20/1/1s2x8", 90},
        // A round rest of 0 is still a phase.
        {"20 rounds=2 roundrest=0", "A\r\n", "rest:10/1/0 work:20/1/0 rest:0/2/0 work:20/2/0", 40},
        // Edges of the ranges.
        {"20 rounds=99 warmup=3600 cooldown=3600", "A\twork=3600 rest=3600\r\n", nullptr,
         99ull * 3600 * 2 - 3600 + 7200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.seconds) + " | " + c.exercises);
        const TCircuit2 circuit = read(c.seconds, c.exercises);
        const CircuitPlan plan = buildplan(circuit);
        if (c.phases) {
            EXPECT_EQ(describe(plan), c.phases);
        }
        EXPECT_EQ(plan.plannedseconds, c.planned);
        EXPECT_EQ(plannedseconds(circuit), c.planned);
        // The catalogue's lighter reading comes to the same time.
        EXPECT_EQ(plannedseconds(readcircuitsummary(path())), c.planned);
        EXPECT_EQ(plan.leadin, circuit.exercisecount == 0 ? -1 : (circuit.keys.warmup ? 1 : 0));
    }
}

TEST_F(CircuitPlanRule, totalText_designedFormulaAndHours) {
    EXPECT_EQ(plannedtimetext(read("30", "")), "0");
    EXPECT_EQ(plannedtimetext(read("30", "A\r\nA\r\nA\r\n", "15")), "02:00");
    EXPECT_EQ(plannedtimetext(read("45", "A\r\n", "600")), "00:45");
    // 8 rounds of 20 s work and 10 s rest after a 2-minute warm-up.
    EXPECT_EQ(plannedtimetext(read("20 rounds=8 warmup=120", "A\r\n")), "05:50");
    // 100 minutes and more say their hours.
    EXPECT_EQ(plannedtimetext(read("3600 rounds=2", "A\r\n")), "2:00:10");
}

} // namespace
