// The small rules behind the editor's fields and file names.
#include "editors/circuitinterval.h"
#include "editors/circuitnames.h"

#include "data/apppaths.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

TEST(CircuitIntervalRules, readInterval_clampsWholeNumbersAndTakesMinimumForOtherText) {
    const IntervalRange exercise = intervalrange(IntervalField::Exercise);
    const IntervalRange rest = intervalrange(IntervalField::Rest);
    EXPECT_EQ(readinterval("30", exercise), 30u);
    EXPECT_EQ(readinterval("0042", exercise), 42u);
    EXPECT_EQ(readinterval("+7", exercise), 7u);
    EXPECT_EQ(readinterval("20000", exercise), 10000u);
    EXPECT_EQ(readinterval("20000", rest), 20000u);
    EXPECT_EQ(readinterval("100001", rest), 100000u);
    EXPECT_EQ(readinterval("99999999999999999999999", rest), 100000u);
    EXPECT_EQ(readinterval("0", exercise), 1u);
    EXPECT_EQ(readinterval("-5", exercise), 1u);
    for (const char* other : {"", "-", "+", "1e3", " 5", "5 ", "x", "3.5"})
        EXPECT_EQ(readinterval(other, rest), 1u) << other;
}

TEST(CircuitNameRules, nameProblem_refusesUnportableNamesOnly) {
    for (const char* good : {"Legs", "New Circuit 2", "v1.2", ".hidden", "Ünïcödé", "a-b_c"})
        EXPECT_TRUE(circuitnameproblem(good).empty()) << good;
    EXPECT_TRUE(circuitnameproblem("").empty()); // the empty name has its own message
    for (const char* bad : {"a/b", "a\\b", "a<b", "a>b", "a:b", "a\"b", "a|b", "a?b", "a*b", ".",
                            "..", "...", "a\tb", "a\nb", "a\x7f"})
        EXPECT_FALSE(circuitnameproblem(bad).empty()) << bad;
}

TEST(CircuitNameRules, filePath_isUnderTheCircuitsFolderWithCirAppended) {
    TempFolder folder;
    folder.makeApplicationFolder();
    EXPECT_EQ(circuitfilepath("Legs"), folder.path() + "Circuits/Legs.cir");
    folder.writeFile("Circuits/Legs.cir", "x");
    EXPECT_TRUE(samecircuitfile(folder.path() + "Circuits//Legs.cir", circuitfilepath("Legs")));
    EXPECT_FALSE(samecircuitfile(circuitfilepath("Arms"), circuitfilepath("Legs")));
}
