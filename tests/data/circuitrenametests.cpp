#include "data/circuitrename.h"

#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

namespace {

class CircuitRename : public ::testing::Test {
protected:
    CircuitRename() { folder.makeApplicationFolder(); }
    std::string store(const std::string& file, const std::string& bytes) const {
        folder.writeFile("Circuits/" + file, bytes);
        return folder.path() + "Circuits/" + file;
    }

    TempFolder folder;
};

TEST_F(CircuitRename, rename_replacesOnlyExerciseLinesNamingItAndKeepsEveryOtherByte) {
    // A byte-order mark, a circuit named like the exercise, a blank line before
    // the rest interval (the readers skip it), CR LF, LF, a lone CR, near
    // misses, a Latin-1 line and a last line without a line end.
    const std::string before = "\xEF\xBB\xBFPlank\r\nAbdominal\r\n30\r\n\r\n10\r\n"
                               "Plank\r\nplank\r\nPlank \nPlank\rSt\xE9p\r\nPlanks\r\nPlank";
    const std::string path = store("core.cir", before);

    EXPECT_EQ(renameincircuit(path, "Plank", "Front Plank"), 3);
    EXPECT_EQ(folder.readFile("Circuits/core.cir"),
              "\xEF\xBB\xBFPlank\r\nAbdominal\r\n30\r\n\r\n10\r\n"
              "Front Plank\r\nplank\r\nPlank \nFront Plank\rSt\xE9p\r\nPlanks\r\nFront Plank");

    // Lines 1 to 4 are no exercises: a name there changes nothing.
    const std::string headOnly = "Plank\n30\n30\n10\nSquat\n";
    EXPECT_EQ(renameincircuit(store("head.cir", headOnly), "30", "Thirty"), 0);
    EXPECT_EQ(folder.readFile("Circuits/head.cir"), headOnly);
}

TEST_F(CircuitRename, circuitsUsing_listsReadableCircuitsWithAnExerciseLineNamingIt) {
    const std::string uses = store("b.cir", "Legs\r\nLower Body\r\n30\r\n10\r\nSquat\r\nPlank\r\n");
    store("a.cir", "Plank\r\nAbdominal\r\n30\r\n10\r\nSquat\r\n");   // only its name
    store("c.cir", "Bad\r\nAbdominal\r\nthirty\r\n10\r\nPlank\r\n"); // cannot be read
    store("d.txt", "Other\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n");   // no circuit file
    store("e.cir", "Blank\r\nAbdominal\r\n30\r\n10\r\n\r\nSquat\r\n");

    EXPECT_EQ(circuitsusing("Plank"), std::vector<std::string>{uses});
    EXPECT_TRUE(circuitsusing("").empty()); // a blank line names no exercise
}

} // namespace
