// A circuit sent from one data folder to another: exported with its records,
// imported under a free name, the library's own records kept, and a file that
// cannot be taken in whole changes nothing.
#include "data/circuitbundle.h"
#include "data/circuitimport.h"
#include "data/ioerror.h"
#include "datahelpers.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

struct DataFolder {
    TempFolder folder;
    std::unique_ptr<ExerciseTable> library = std::make_unique<ExerciseTable>();

    std::string libraryPath() const { return folder.path() + "exercises.lst"; }
    std::string circuits() const { return folder.path() + "Circuits/"; }
    void load() { loadexercises(*library, libraryPath()); }
    ImportReport take(const std::string& bundleBytes) {
        return importcircuits({readbundle(bundleBytes, "/in/x.stridewell")}, *library,
                              libraryPath(), circuits(), {"/in/x.stridewell", 3});
    }
};

const std::string kLegs = "Legs\r\nLower Body\r\n30 rounds=3\r\n10\r\nSquat\r\nLunge\tsides=2\r\n";

std::string exportedLegs() {
    DataFolder sender;
    sender.folder.writeFile("exercises.lst",
                            libraryRecord(7, "Squat", "Lower Body", "Sit back.", 1) +
                                libraryRecord(9, "Lunge", "Lower Body", "Step.", 0));
    sender.folder.writeFile("Circuits/Legs.cir", kLegs);
    sender.load();
    const std::string file = sender.folder.path() + "Legs.stridewell";
    exportcircuit(sender.circuits() + "Legs.cir", *sender.library, sender.libraryPath(), file);
    return sender.folder.readFile("Legs.stridewell");
}

TEST(CircuitImport, roundTrip_addsUnderAFreeName_andOnlyTheRecordsTheLibraryLacks) {
    const std::string bundle = exportedLegs();

    // Into an empty folder: the circuit as it was sent, the records numbered
    // as the update numbers them, each keeping its encyclopedia mark.
    DataFolder empty;
    ImportReport report = empty.take(bundle);
    EXPECT_EQ(report.circuits, (std::vector<std::string>{"Legs"}));
    EXPECT_EQ(report.exercises, (std::vector<std::string>{"Squat", "Lunge"}));
    EXPECT_EQ(empty.folder.readFile("Circuits/Legs.cir"),
              "Legs\nLower Body\n30 rounds=3\n10\nSquat\nLunge\tsides=2\n");
    EXPECT_EQ(empty.folder.readFile("exercises.lst"),
              libraryRecord(1, "Squat", "Lower Body", "Sit back.", 1) +
                  libraryRecord(2, "Lunge", "Lower Body", "Step.", 0));

    // Again: the name is taken (as a file and as a first line, in any letter
    // case), the records are there.
    empty.folder.writeFile("Circuits/Other.cir", "legs (2)\nLower Body\n30\n10\n");
    report = empty.take(bundle);
    EXPECT_EQ(report.circuits, (std::vector<std::string>{"Legs (3)"}));
    EXPECT_TRUE(report.exercises.empty());
    EXPECT_EQ(empty.folder.readFile("Circuits/Legs (3).cir").substr(0, 9), "Legs (3)\n");

    // Into a folder that has "Squat" its own way: that record stays as it is.
    DataFolder holding;
    holding.folder.writeFile("exercises.lst",
                             libraryRecord(40, "Squat", "Legs", "My own words.", 0));
    holding.load();
    report = holding.take(bundle);
    EXPECT_EQ(report.exercises, (std::vector<std::string>{"Lunge"}));
    EXPECT_EQ(holding.folder.readFile("exercises.lst"),
              libraryRecord(40, "Squat", "Legs", "My own words.", 0) +
                  libraryRecord(41, "Lunge", "Lower Body", "Step.", 0));
}

TEST(CircuitImport, hostileBundles_areRefusedAndChangeNothing) {
    const std::string records = "exercise\nNew\nAbdominal\nHold.\n0\nend 1\n";
    const auto bundleOf = [&records](const std::string& circuitLines, int lines) {
        return "Stridewell circuit 1\ncircuit " + std::to_string(lines) + "\n" + circuitLines +
               records;
    };
    std::string hundredAndOne;
    for (int i = 0; i < 101; ++i)
        hundredAndOne += "Plank\n";
    const struct {
        std::string bytes;
        FileTextId refusal;
        std::string detail; // the name refused, or the line named
    } cases[] = {
        {bundleOf("../../etc/passwd\nx\n30\n10\n", 4), FileTextId::ImportBadName, "../../etc/passwd"},
        {bundleOf("a/b\nx\n30\n10\n", 4), FileTextId::ImportBadName, "a/b"},
        {bundleOf("C:evil\nx\n30\n10\n", 4), FileTextId::ImportBadName, "C:evil"},
        {bundleOf("..\nx\n30\n10\n", 4), FileTextId::ImportBadName, ".."},
        {bundleOf("\nx\n30\n10\n", 4), FileTextId::ImportBadName, ""},
        {bundleOf(std::string(300, 'n') + "\nx\n30\n10\n", 4), FileTextId::ImportBadName,
         std::string(300, 'n')},
        // The bad key is on the bundle's fifth line.
        {bundleOf("Legs\nx\n30 rounds=300\n10\n", 4), FileTextId::KeyOutOfRange, "5"},
        {bundleOf("Legs\nx\n30\n10\n" + hundredAndOne, 105), FileTextId::CircuitTooLong, "101"},
    };
    for (const auto& hostile : cases) {
        DataFolder target;
        target.folder.writeFile("exercises.lst", libraryRecord(3, "Plank", "Abdominal", "Hold.", 1));
        target.load();
        try {
            target.take(hostile.bytes);
            ADD_FAILURE() << "imported: " << hostile.bytes.substr(0, 60);
        } catch (const IoError& error) {
            EXPECT_EQ(error.words().id, hostile.refusal) << error.what();
            EXPECT_EQ(error.words().args.at(1), hostile.detail) << error.what();
        }
        EXPECT_EQ(folderEntries(target.circuits()), std::vector<std::string>{});
        EXPECT_EQ(target.folder.readFile("exercises.lst"),
                  libraryRecord(3, "Plank", "Abdominal", "Hold.", 1));
        EXPECT_EQ(target.library->librarysize, 1);
        EXPECT_FALSE(std::filesystem::exists("/etc/passwd.cir"));
    }
}

TEST(CircuitImport, aFullLibrary_leavesRecordsOut_andAFailedSave_takesEverythingBack) {
    const std::string bundle = exportedLegs();

    DataFolder full;
    std::string records;
    for (uint32_t i = 1; i <= 500; ++i)
        records += libraryRecord(i, "Exercise " + std::to_string(i), "Abdominal", "", 0);
    full.folder.writeFile("exercises.lst", records);
    full.load();
    const ImportReport report = full.take(bundle);
    EXPECT_EQ(report.circuits, (std::vector<std::string>{"Legs"}));
    EXPECT_TRUE(report.exercises.empty());
    EXPECT_EQ(report.exercisesLeftOut, (std::vector<std::string>{"Squat", "Lunge"}));

    // The library is saved, then the circuit cannot be written: the library
    // goes back to what it held.
    DataFolder broken;
    std::filesystem::remove(broken.circuits());
    EXPECT_THROW(broken.take(bundle), IoError);
    EXPECT_EQ(broken.library->librarysize, 0);
    EXPECT_EQ(broken.folder.readFile("exercises.lst"), "");
}

} // namespace
