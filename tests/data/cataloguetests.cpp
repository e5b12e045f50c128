#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "data/durationtext.h"
#include "datahelpers.h"
#include "testsupport/tempfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// Records every cell the scan writes.
class RecordingGrid final : public CircuitGrid {
public:
    void setcell(int column, int row, const std::string& text) override {
        cells[{row, column}] = text;
    }
    std::set<int> rowsWritten() const {
        std::set<int> rows;
        for (const auto& [key, text] : cells)
            rows.insert(key.first);
        return rows;
    }
    std::string cell(int row, int column) const {
        const auto found = cells.find({row, column});
        return found == cells.end() ? "<untouched>" : found->second;
    }
    std::map<std::pair<int, int>, std::string> cells;
};

std::string circuitText(const std::string& name, int exerciseInterval, int restInterval,
                        int exercises) {
    std::string text = name + "\r\nUpper Body\r\n" + std::to_string(exerciseInterval) + "\r\n" +
                       std::to_string(restInterval) + "\r\n";
    for (int i = 0; i < exercises; ++i)
        text += "Exercise " + std::to_string(i) + "\r\n";
    return text;
}

class Catalogue : public ::testing::Test {
protected:
    Catalogue() { folder.makeApplicationFolder(); }
    TempFolder folder;
    RecordingGrid grid;
};

TEST_F(Catalogue, scan_writesOneRowPerFileInNameOrderIgnoringCase) {
    folder.writeFile("Circuits/b.cir", circuitText("Three", 30, 15, 3));
    folder.writeFile("Circuits/A.CIR", circuitText("None", 30, 15, 0));
    folder.writeFile("Circuits/c.cir", circuitText("One", 40, 20, 1) + "\r\n"); // blank last line
    folder.writeFile("Circuits/d.Cir", circuitText("Long", 10, 5, 150));
    folder.writeFile("Circuits/notes.txt", circuitText("Not listed", 1, 1, 1));
    folder.writeFile("Circuits/cir", "");
    std::filesystem::create_directory(folder.path() + "Circuits/folder.cir");

    scancircuits(grid);
    EXPECT_EQ(grid.rowsWritten(), (std::set<int>{0, 1, 2, 3}));

    const std::string rows[][5] = {
        {"None", "Upper Body", "0", "0", circuitsfolder() + "A.CIR"},
        {"Three", "Upper Body", "3", "02:00", circuitsfolder() + "b.cir"},
        // One exercise and the blank line: 2 x 40 + 1 x 20.
        {"One", "Upper Body", "2", "01:40", circuitsfolder() + "c.cir"},
        // 150 x 10 + 149 x 5 = 2245 s.
        {"Long", "Upper Body", "150", "37:25", circuitsfolder() + "d.Cir"},
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < kCatalogueColumns; ++column)
            EXPECT_EQ(grid.cell(row, column), rows[row][column]) << row << "," << column;
}

TEST_F(Catalogue, scan_missingOrEmptyFolderWritesNothing) {
    scancircuits(grid);
    EXPECT_TRUE(grid.cells.empty());
    std::filesystem::remove(folder.path() + "Circuits");
    scancircuits(grid);
    EXPECT_TRUE(grid.cells.empty());
}

TEST_F(Catalogue, scan_passesOverUnreadableFilesAndListsTheRest) {
    folder.writeFile("Circuits/a.cir", circuitText("Good", 30, 10, 2));
    folder.writeFile("Circuits/b.cir", "Bad\r\nUpper Body\r\nthirty\r\n10\r\n");
    folder.writeFile("Circuits/c.cir", circuitText("Later", 30, 10, 2));
    // A byte-order mark is no part of the name.
    folder.writeFile("Circuits/d.cir", "\xEF\xBB\xBF" + circuitText("Morning", 30, 10, 1));
    grid.setcell(0, 3, "Stale"); // a row an earlier scan filled
    const std::vector<UnreadableFile> unreadable = scancircuits(grid);
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(unreadable[0].path, circuitsfolder() + "b.cir");
    EXPECT_EQ(englishtext(unreadable[0].reason), "Invalid numeric input");
    EXPECT_EQ(grid.cell(0, 0), "Good");
    EXPECT_EQ(grid.cell(1, 0), "Later");
    EXPECT_EQ(grid.cell(2, 0), "Morning");
    EXPECT_EQ(grid.cell(3, 0), "");
    EXPECT_EQ(grid.cell(2, 4), circuitsfolder() + "d.cir");
}

TEST_F(Catalogue, scanCount_agreesWithTheCircuitReader) {
    const ExerciseTable empty;
    const std::string texts[] = {
        "N\r\nT\r\n30\r\n10\r\nA\r\nB",          // no line end after the last
        "N\nT\n30\n10\nA\n\nB\n\n",                 // blank lines inside and last
        "N\r\nT\r\n30\r\n10",                       // head only, no line end
        "N\r\nT\r\n30\r\n10\r\nA\rB\r\n\r",        // lone carriage returns
    };
    for (const std::string& text : texts) {
        folder.writeFile("Circuits/x.cir", text);
        scancircuits(grid);
        const TCircuit2 circuit = readcircuit(circuitsfolder() + "x.cir", empty);
        EXPECT_EQ(grid.cell(0, 2), std::to_string(circuit.exercisecount)) << text;
        EXPECT_EQ(readcircuitsummary(circuitsfolder() + "x.cir").exercisecount,
                  circuit.exercisecount);
    }
}

TEST(ListFiles, moreThan500Files_listsTheFirst500ByName) {
    TempFolder folder;
    const std::string circuits = folder.path() + "Circuits";
    for (int i = 504; i >= 0; --i) {
        char name[16];
        std::snprintf(name, sizeof name, "c%03d.cir", i);
        folder.writeFile("Circuits/" + std::string(name), "");
    }
    // The folder is given without its separator: listfiles adds one.
    const TStrings2 list = listfiles(circuits, "*.cir");
    EXPECT_EQ(list[0], circuits + "/c000.cir");
    EXPECT_EQ(list[499], circuits + "/c499.cir");
    EXPECT_EQ(list[500], "");
}

TEST(ListFiles, linksCountAsWhatTheyPointAt) {
    TempFolder folder;
    const std::string circuits = folder.path() + "Circuits/";
    folder.writeFile("Circuits/real.cir", "");
    std::filesystem::create_directory(circuits + "dir.cir");
    std::filesystem::create_symlink(circuits + "real.cir", circuits + "tofile.cir");
    std::filesystem::create_symlink(circuits + "dir.cir", circuits + "todir.cir");
    std::filesystem::create_symlink(circuits + "gone", circuits + "broken.cir");
    const TStrings2 list = listfiles(circuits, "*.cir");
    EXPECT_EQ(list[0], circuits + "real.cir");
    EXPECT_EQ(list[1], circuits + "tofile.cir");
    EXPECT_EQ(list[2], "");
}

TEST(Duration, textShowsHoursFromOneHundredMinutes) {
    const std::pair<uint64_t, const char*> worked[] = {
        {0, "00:00"},      {59, "00:59"},      {60, "01:00"},          {754, "12:34"},
        {5999, "99:59"},   {6000, "1:40:00"},  {7530, "2:05:30"},      {36000, "10:00:00"},
        {4294967295u, "1193046:28:15"},
    };
    for (const auto& [seconds, text] : worked)
        EXPECT_EQ(durationtext(seconds), text) << seconds;
    EXPECT_EQ(shortdurationtext(14), "0:14");
    EXPECT_EQ(shortdurationtext(754), "12:34");
    EXPECT_EQ(shortdurationtext(3723), "1:02:03");
    EXPECT_EQ(shortdurationtext(-5), "0:00");
}

} // namespace
