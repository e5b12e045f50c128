#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "datahelpers.h"
#include "data/ioerror.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

namespace {

class CircuitFile : public ::testing::Test {
protected:
    std::string write(const std::string& bytes) {
        folder.writeFile("Circuits/c.cir", bytes);
        return path();
    }
    std::string path() const { return folder.path() + "Circuits/c.cir"; }
    std::string written() const { return folder.readFile("Circuits/c.cir"); }

    TempFolder folder;
    std::unique_ptr<ExerciseTable> table = makeTable({
        {10, "Squat", "Lower Body", "Deep", 1},
        {20, "Plank", "Abdominal", "Hold", 0},
    });
};

TEST_F(CircuitFile, read_resolvesKnownNamesAndKeepsOthersAs500) {
    const std::string bytes = "Legs\r\nLower Body\r\n45 and text\r\n15\r\n"
                              "Squat\r\nsquat\r\n\r\nNobody\r\nPlank\r\nSquat\r\n";
    const TCircuit2 c = readcircuit(write(bytes), *table);
    EXPECT_EQ(c.circuitname, "Legs");
    EXPECT_EQ(c.circuittype, "Lower Body");
    EXPECT_EQ(c.filename, path());
    EXPECT_EQ(c.exerciseinterval, 45u);
    EXPECT_EQ(c.restinterval, 15u);
    ASSERT_EQ(c.exercisecount, 6);

    const struct {
        const char* name;
        uint32_t number;
        const char* description;
        uint8_t online;
    } expected[] = {{"Squat", 10, "Deep", 1}, {"squat", 500, "", 0}, {"", 500, "", 0},
                    {"Nobody", 500, "", 0},   {"Plank", 20, "Hold", 0}, {"Squat", 10, "Deep", 1}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.exercises[i].name, expected[i].name);
        EXPECT_EQ(c.exercises[i].number, expected[i].number);
        EXPECT_EQ(c.exercises[i].description, expected[i].description);
        EXPECT_EQ(c.exercises[i].online, expected[i].online);
    }
    EXPECT_EQ(c.exercises[6].number, 0u);

    // Writing it back keeps every line, the blank and unknown ones included.
    writecircuit(path(), c);
    EXPECT_EQ(written(), "Legs\r\nLower Body\r\n45\r\n15\r\nSquat\r\nsquat\r\n\r\nNobody\r\n"
                         "Plank\r\nSquat\r\n");
}

TEST_F(CircuitFile, read_lfLinesAndBlankLastLine) {
    const TCircuit2 c = readcircuit(write("Core\nAbdominal\n30\n10\nPlank\n\n"), *table);
    EXPECT_EQ(c.exerciseinterval, 30u);
    EXPECT_EQ(c.restinterval, 10u);
    ASSERT_EQ(c.exercisecount, 2);
    EXPECT_EQ(c.exercises[0].number, 20u);
    EXPECT_EQ(c.exercises[1].name, "");
    EXPECT_EQ(c.exercises[1].number, 500u);
}

TEST_F(CircuitFile, headOnlyAndShortFiles_haveNoExercises) {
    TCircuit2 c = readcircuit(write("Empty\r\nAbdominal\r\n20\r\n5\r\n"), *table);
    EXPECT_EQ(c.exercisecount, 0);
    EXPECT_EQ(c.exercises[0].number, 0u);
    writecircuit(path(), c);
    EXPECT_EQ(written(), "Empty\r\nAbdominal\r\n20\r\n5\r\n");

    c = readcircuit(write("Only a name"), *table);
    EXPECT_EQ(c.circuitname, "Only a name");
    EXPECT_EQ(c.circuittype, "");
    EXPECT_EQ(c.exerciseinterval, 0u);
    EXPECT_EQ(c.restinterval, 0u);
    EXPECT_EQ(c.exercisecount, 0);
}

TEST_F(CircuitFile, moreThan100Lines_readerKeeps100CountsAllAndRefusesToWriteThem) {
    std::string bytes = "Long\r\nMultiple Area Workout\r\n30\r\n10\r\n";
    for (int i = 0; i < 150; ++i)
        bytes += (i % 2 ? "Squat" : "Step " + std::to_string(i)) + "\r\n";
    const TCircuit2 c = readcircuit(write(bytes), *table);
    EXPECT_EQ(c.exercisecount, 150); // as the summary and the grid count
    EXPECT_EQ(c.exercises[99].name, "Squat");
    EXPECT_EQ(c.exercises[100].number, 0u);
    EXPECT_EQ(c.exercises[100].name, "");

    const TCircuit summary = readcircuitsummary(path());
    EXPECT_EQ(summary.exercisecount, 150);
    EXPECT_EQ(summary.exercisenames[98], "Step 98");
    EXPECT_EQ(summary.exercisenames[100], "");

    // A write would cut the file to the 100 the record kept: it is refused and
    // the file stays byte for byte.
    EXPECT_THROW(writecircuit(path(), c), IoError);
    EXPECT_EQ(folder.readFile("Circuits/c.cir"), bytes);
}

TEST_F(CircuitFile, badIntervalOrMissingFile_raiseRuntimeText) {
    for (const std::string bytes : {"N\r\nT\r\nabc\r\n10\r\n", "N\r\nT\r\n30\r\n1O\r\n"})
        expectIoError([&] { readcircuit(write(bytes), *table); }, "Invalid numeric input", bytes);
    expectIoError([&] { readcircuit(folder.path() + "Circuits/none.cir", *table); },
                  "File not found", "a missing file");
}

TEST_F(CircuitFile, write_stopsAtFirstFreeEntryAndIgnoresCount) {
    TCircuit2 c;
    c.circuitname = "Mixed";
    c.circuittype = "Upper Body";
    c.exerciseinterval = 4294967295u;
    c.restinterval = 0;
    c.exercisecount = 50;
    c.exercises[0] = {20, "Plank", "", 0, {}};
    c.exercises[1] = {500, "Unknown", "", 0, {}};
    c.exercises[3] = {10, "Squat", "", 1, {}}; // after the free entry 2: not written
    writecircuit(path(), c);
    EXPECT_EQ(written(), "Mixed\r\nUpper Body\r\n4294967295\r\n0\r\nPlank\r\nUnknown\r\n");

    const TCircuit2 back = readcircuit(path(), *table);
    EXPECT_EQ(back.exerciseinterval, 4294967295u);
    EXPECT_EQ(back.exercisecount, 2);
}

TEST_F(CircuitFile, write_aLineFeedInsideATextNeverSplitsItsLine) {
    TCircuit2 c;
    c.circuitname = "Two\nLines";
    c.circuittype = "Upper Body";
    c.exerciseinterval = 30;
    c.restinterval = 15;
    c.exercises[0] = {20, "Plank\nHold", "", 0, {}};
    writecircuit(path(), c);
    EXPECT_EQ(written(), "Two Lines\r\nUpper Body\r\n30\r\n15\r\nPlank Hold\r\n");
}

} // namespace

namespace {

TEST_F(CircuitFile, readIntoAKeptRecord_replacesEveryFieldOfTheCircuitBefore) {
    // A long circuit with known names, then a short one with an unknown name,
    // read into the same record: nothing of the first may show through.
    std::string longer = "Long\r\nUpper Body\r\n45\r\n15\r\n";
    for (int i = 0; i < 120; ++i)
        longer += i % 2 ? "Plank\r\n" : "Squat\r\n";
    folder.writeFile("Circuits/long.cir", longer);
    auto kept = std::make_unique<TCircuit2>();
    readcircuit(folder.path() + "Circuits/long.cir", *table, *kept);
    ASSERT_EQ(kept->exercisecount, 120);

    readcircuit(write("S\r\nLegs\r\n30\r\n10\r\nNobody\r\n"), *table, *kept);
    const TCircuit2 fresh = readcircuit(path(), *table);
    EXPECT_EQ(kept->circuitname, "S");
    EXPECT_EQ(kept->circuittype, "Legs");
    EXPECT_EQ(kept->filename, path());
    EXPECT_EQ(kept->exerciseinterval, 30u);
    EXPECT_EQ(kept->restinterval, 10u);
    EXPECT_EQ(kept->exercisecount, 1);
    for (int i = 0; i < kCircuitEntries; ++i) {
        const TExercise2& entry = kept->exercises[static_cast<size_t>(i)];
        const TExercise2& expected = fresh.exercises[static_cast<size_t>(i)];
        EXPECT_EQ(entry.number, expected.number) << "entry " << i;
        EXPECT_EQ(entry.name, expected.name) << "entry " << i;
        EXPECT_EQ(entry.description, expected.description) << "entry " << i;
        EXPECT_EQ(entry.online, expected.online) << "entry " << i;
    }
    EXPECT_EQ(kept->exercises[0].number, uint32_t{kNoExercise});
    EXPECT_EQ(kept->exercises[1].number, 0u);
}

TEST_F(CircuitFile, keys_readAnyOrderKeepUnknownAndWriteInTheirOrder) {
    const std::string bytes = "Tabata\r\nUpper Body\r\n20  warmup=120 tempo=slow rounds=8\r\n10\r\n"
                              "Squat\twork=60  sides=2 reps=15 rest=5 x=1\r\nPlank\twork=20\r\n"
                              "Plank\tnote\r\n";
    const TCircuit2 c = readcircuit(write(bytes), *table);
    EXPECT_EQ(c.exerciseinterval, 20u);
    EXPECT_EQ(c.keys.rounds, 8u);
    EXPECT_EQ(c.keys.warmup, 120u);
    EXPECT_FALSE(c.keys.roundrest.has_value());
    EXPECT_EQ(c.exercises[0].name, "Squat");
    EXPECT_EQ(c.exercises[0].number, 10u);
    EXPECT_EQ(c.exercises[0].keys.reps, 15u);
    EXPECT_EQ(c.exercises[0].keys.sides, 2u);
    // A tail without a key was part of the name before keys existed, and still is.
    EXPECT_EQ(c.exercises[2].name, "Plank\tnote");

    writecircuit(path(), c);
    // Known keys in their order, unknown ones after them; a key that says the
    // circuit's own value ("work=20") is not repeated.
    EXPECT_EQ(written(), "Tabata\r\nUpper Body\r\n20 rounds=8 warmup=120 tempo=slow\r\n10\r\n"
                         "Squat\trest=5 work=60 reps=15 sides=2 x=1\r\nPlank\r\nPlank\tnote\r\n");
    const std::string once = written();
    writecircuit(path(), readcircuit(path(), *table));
    EXPECT_EQ(written(), once);
}

TEST_F(CircuitFile, keys_designedFilesStayByteIdentical) {
    const std::string designed[] = {
        "Legs\r\nLower Body\r\n45\r\n15\r\nSquat\r\n\r\nNobody\r\n",
        "Empty\r\nAbdominal\r\n0\r\n0\r\n",
    };
    for (const std::string& bytes : designed) {
        writecircuit(path(), readcircuit(write(bytes), *table));
        EXPECT_EQ(written(), bytes);
        const TCircuit summary = readcircuitsummary(path());
        EXPECT_EQ(summary.keys, CircuitKeys{});
    }
}

TEST_F(CircuitFile, keys_badWordsNameFileLineAndKeyAndChangeNothing) {
    const struct {
        const char* bytes;
        const char* problem;
    } cases[] = {
        {"C\r\nT\r\n20 rounds=100\r\n10\r\n", ", line 3: \"rounds\" must be a number from 1 to 99"},
        {"C\r\nT\r\n20 rounds=0\r\n10\r\n", ", line 3: \"rounds\" must be a number from 1 to 99"},
        {"C\r\nT\r\n20 warmup=-1\r\n10\r\n", ", line 3: \"warmup\" must be a number from 0 to 3600"},
        {"C\r\nT\r\n20 warmup=1 warmup=2\r\n10\r\n", ", line 3: \"warmup\" is given twice"},
        {"C\r\nT\r\n20 rounds=2 fast\r\n10\r\n", ", line 3: \"fast\" is not a key=value word"},
        {"C\r\nT\r\n20\r\n10\r\nSquat\r\nPlank\twork=0\r\n",
         ", line 6: \"work\" must be a number from 1 to 3600"},
        {"C\nT\n20\n10\nSquat\treps=1000\n", ", line 5: \"reps\" must be a number from 1 to 999"},
        {"C\r\nT\r\n20\r\n10\r\nSquat\tsides=3\r\n", ", line 5: \"sides\" must be a number from 1 to 2"},
        {"C\r\nT\r\n20\r\n10\r\nSquat\trest=3601\r\n", ", line 5: \"rest\" must be a number from 0 to 3600"},
        {"C\r\nT\r\n20\r\n10\r\nSquat\twork=9999999999\r\n", ", line 5: \"work\" must be a number from 1 to 3600"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        write(c.bytes);
        auto kept = std::make_unique<TCircuit2>();
        kept->circuitname = "Before";
        expectIoError([&] { readcircuit(path(), *table); }, (path() + c.problem).c_str(), "reader");
        expectIoError([&] { readcircuitsummary(path()); }, (path() + c.problem).c_str(), "summary");
    }
}

} // namespace
