#include "datahelpers.h"
#include "data/exercises.h"
#include "data/ioerror.h"
#include "data/lineblocks.h"
#include "testsupport/tempfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <vector>

namespace {

void expectRecord(const TExercise& r, uint32_t number, const std::string& name,
                  const std::string& extype, const std::string& description, uint8_t online) {
    EXPECT_EQ(r.number, number);
    EXPECT_EQ(r.name, name);
    EXPECT_EQ(r.extype, extype);
    EXPECT_EQ(r.description, description);
    EXPECT_EQ(r.online, online);
}

class ExerciseFile : public ::testing::Test {
protected:
    // Writes the bytes as exercises.lst and loads them into the test's table.
    LoadResult load(const std::string& bytes) {
        folder.writeFile("exercises.lst", bytes);
        return loadexercises(*table, path());
    }
    std::string path() const { return folder.path() + "exercises.lst"; }

    TempFolder folder;
    std::unique_ptr<ExerciseTable> table = makeTable({});
};

TEST_F(ExerciseFile, lineEnds_lfCrlfAndLoneCrEachEndALine_byteOrderMarkSkipped) {
    // LF, CR LF and a lone CR (old Mac line ends) each end a line.
    LoadResult result = load("10\r\nSquat\r\nLower Body\r\nDeep knees\r\n1\r\n"
                             "11\nPush up\nUpper Body\nArms\n0\n"
                             "12\r\nOne\rline\r\n\r\r\n\r\n0\r\n");
    EXPECT_EQ(result.loaded, 3);
    EXPECT_FALSE(result.truncated);
    EXPECT_EQ(table->librarysize, 3);
    expectRecord((*table)[0], 10, "Squat", "Lower Body", "Deep knees", 1);
    expectRecord((*table)[1], 11, "Push up", "Upper Body", "Arms", 0);
    expectRecord((*table)[2], 12, "One", "line", "", 0);

    // A hand-made file with a byte-order mark and CR-only line ends: two whole
    // records, not one nameless one, and the library holds its file.
    result = load("\xEF\xBB\xBF"
                  "7\rPlank\rAbdominal\rHold it\r1\r8\rDip\rUpper Body\rBend\r0\r");
    EXPECT_EQ(result.loaded, 2);
    expectRecord((*table)[0], 7, "Plank", "Abdominal", "Hold it", 1);
    expectRecord((*table)[1], 8, "Dip", "Upper Body", "Bend", 0);
    EXPECT_TRUE(table->holdsfile());
    // Written back with CR LF, without the mark.
    saveexercises(*table, path());
    EXPECT_EQ(folder.readFile("exercises.lst"),
              libraryRecord(7, "Plank", "Abdominal", "Hold it", 1) +
                  libraryRecord(8, "Dip", "Upper Body", "Bend", 0));
}

TEST_F(ExerciseFile, numberLines_skipLeadingBlanksAndTrailingText) {
    // Blank lines before a number or online line are skipped; after the digits
    // the rest of the line goes. 257 keeps its low 8 bits. A number of 0 or one
    // beyond 32 bits (2^32 wraps to 0) is no usable number: such records get
    // fresh numbers after the highest in the file, so none reads as empty.
    load("\r\n\r\n  12 and text\r\nA\r\n\r\nD\r\n\r\n257 online\r\n\r\n\r\n"
         "4294967301\r\nB\r\nT\r\n  spaced  \r\n1\r\n" +
         libraryRecord(0, "C", "T", "", 0) + "4294967296\r\nE\r\nT\r\n\r\n0\r\n" +
         libraryRecord(30, "F", "T", "", 0));
    ASSERT_EQ(table->librarysize, 5);
    expectRecord((*table)[0], 12, "A", "", "D", 1);
    expectRecord((*table)[1], 31, "B", "T", "  spaced  ", 1);
    expectRecord((*table)[2], 32, "C", "T", "", 0);
    expectRecord((*table)[3], 33, "E", "T", "", 0);
    expectRecord((*table)[4], 30, "F", "T", "", 0);
}

TEST_F(ExerciseFile, trailingBlankLines_addNoRecord) {
    load(libraryRecord(1, "A", "T", "D", 0) + "\r\n \r\n\t\n");
    EXPECT_EQ(table->librarysize, 1);
    EXPECT_EQ((*table)[1].number, 0u);
}

TEST_F(ExerciseFile, recordCutShort_isStoredWithEmptyRest) {
    load(libraryRecord(1, "A", "T", "D", 1) + "7\r\nHalf\r\nType without line end");
    ASSERT_EQ(table->librarysize, 2);
    expectRecord((*table)[1], 7, "Half", "Type without line end", "", 0);
}

TEST_F(ExerciseFile, reload_leavesNoRecordOfTheEarlierLoad) {
    const std::string shorter = libraryRecord(9, "New", "T", "D", 1);
    for (const std::string& bytes : {std::string(), std::string("\r\n\r\n   "), shorter}) {
        load(libraryRecord(1, "A", "T", "D", 0) + libraryRecord(2, "Old", "T", "D", 0));
        table->selectedexercise = 1;
        const LoadResult result = load(bytes);
        const int expected = bytes == shorter ? 1 : 0;
        EXPECT_EQ(result.loaded, expected);
        EXPECT_EQ(table->librarysize, expected);
        EXPECT_EQ(table->selectedexercise, 0);
        EXPECT_EQ(findexercisebyname(*table, "Old"), kNoExercise);
        EXPECT_EQ(findexercisebynumber(*table, 2), kNoExercise);
    }
}

TEST_F(ExerciseFile, failedLoad_raisesRuntimeTextAndKeepsSizeAndSelection) {
    load(libraryRecord(1, "A", "T", "D", 0) + libraryRecord(2, "B", "T", "D", 0));
    table->selectedexercise = 1;
    const std::string badNumber = libraryRecord(5, "X", "T", "D", 0) + "x7\r\nY\r\nT\r\nD\r\n0\r\n";
    const std::string badOnline = "5\r\nX\r\nT\r\nD\r\nyes\r\n";
    for (const std::string& bytes : {badNumber, badOnline, std::string("-\r\n")}) {
        expectIoError([&] { load(bytes); }, "Invalid numeric input", bytes);
        EXPECT_EQ(table->librarysize, 2);
        EXPECT_EQ(table->selectedexercise, 1);
    }

    expectIoError([&] { loadexercises(*table, folder.path() + "missing.lst"); }, "File not found",
                  "a missing file");
    // What is no plain file is refused at once: a named pipe would wait for a
    // writer for ever, a device never ends.
    ASSERT_EQ(::mkfifo((folder.path() + "pipe.lst").c_str(), 0600), 0);
    expectIoError([&] { loadexercises(*table, folder.path() + "pipe.lst"); }, "File access denied",
                  "a named pipe");
    std::filesystem::create_symlink("/dev/zero", folder.path() + "zero.lst");
    expectIoError([&] { loadexercises(*table, folder.path() + "zero.lst"); }, "File access denied",
                  "a device");
    EXPECT_EQ(table->librarysize, 2);
    // The record a load stops in is not stored: its slot keeps what it held.
    load(libraryRecord(1, "A", "T", "D", 1));
    EXPECT_THROW(load(badOnline), IoError);
    EXPECT_EQ((*table)[0].name, "A");
    EXPECT_EQ((*table)[0].online, 1);
}

TEST_F(ExerciseFile, moreThan500Records_loadsTheFirst500AndTells) {
    std::string bytes;
    for (uint32_t n = 1; n <= 501; ++n)
        bytes += libraryRecord(n, "E" + std::to_string(n), "T", "D", 0);
    LoadResult result = load(bytes);
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(result.loaded, 500);
    EXPECT_EQ(table->librarysize, 500);
    EXPECT_EQ((*table)[499].number, 500u);
    expectRecord((*table)[500], 0, "", "", "", 0);

    // Exactly 500, with trailing blanks, is a whole library.
    bytes.resize(bytes.find("\r\n501\r\n") + 2);
    result = load(bytes + "\r\n");
    EXPECT_FALSE(result.truncated);
    EXPECT_EQ(result.loaded, 500);
}

TEST_F(ExerciseFile, saveThenLoad_roundTripsBytesAndTable) {
    // Texts are bytes: Latin-1 and UTF-8 alike survive unchanged.
    const auto original = makeTable({
        {4000000000u, "Squat", "Lower Body", "Knees over toes", 1},
        {2, "Caf\xE9 dip", "", "", 0},
        {3, "\xC3\xA9lan", "Multiple Area Workout", "Jump, land & hold", 7},
    });
    saveexercises(*original, path());
    const std::string first = folder.readFile("exercises.lst");
    EXPECT_EQ(first, libraryRecord(4000000000u, "Squat", "Lower Body", "Knees over toes", 1) +
                         libraryRecord(2, "Caf\xE9 dip", "", "", 0) +
                         libraryRecord(3, "\xC3\xA9lan", "Multiple Area Workout",
                                       "Jump, land & hold", 7));

    loadexercises(*table, path());
    saveexercises(*table, path());
    EXPECT_EQ(folder.readFile("exercises.lst"), first);
    auto reloaded = makeTable({});
    loadexercises(*reloaded, path());
    ASSERT_EQ(reloaded->librarysize, 3);
    for (int slot = 0; slot < kExerciseSlots; ++slot) {
        const TExercise& a = (*original)[slot];
        const TExercise& b = (*reloaded)[slot];
        EXPECT_TRUE(a.number == b.number && a.name == b.name && a.extype == b.extype &&
                    a.description == b.description && a.online == b.online)
            << "slot " << slot;
    }
}

TEST_F(ExerciseFile, saveOfEmptyLibrary_leavesEmptyFile) {
    folder.writeFile("exercises.lst", libraryRecord(1, "A", "T", "D", 0));
    saveexercises(*table, path());
    EXPECT_TRUE(folder.exists("exercises.lst"));
    EXPECT_EQ(folder.readFile("exercises.lst"), "");
}

} // namespace

TEST_F(ExerciseFile, failedLoad_refusesEverySaveAndLeavesTheFileByteForByte) {
    // A hand-made library with one mistyped online line.
    const std::string handMade = libraryRecord(1, "A", "T", "D", 1) +
                                 libraryRecord(2, "B", "T", "D", 0) +
                                 "3\r\nC\r\nT\r\nD\r\nyes\r\n" + libraryRecord(4, "E", "T", "D", 0);
    EXPECT_THROW(load(handMade), IoError);
    EXPECT_FALSE(table->holdsfile());
    addexercisefromeditor(*table, "New Exercise", "");
    try {
        saveexercises(*table, path());
        ADD_FAILURE() << "a save of a table that failed to load went ahead";
    } catch (const IoError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find(path()), std::string::npos) << text;
        EXPECT_NE(text.find("Invalid numeric input"), std::string::npos) << text;
    }
    EXPECT_EQ(folder.readFile("exercises.lst"), handMade);

    // A library cut at 500 records holds less than its file as well.
    std::string big;
    for (uint32_t n = 1; n <= 501; ++n)
        big += libraryRecord(n, "E" + std::to_string(n), "T", "D", 0);
    EXPECT_TRUE(load(big).truncated);
    EXPECT_THROW(saveexercises(*table, path()), IoError);
    EXPECT_EQ(folder.readFile("exercises.lst"), big);

    // A good load holds again; a missing file is an empty library a save may create.
    load(libraryRecord(1, "A", "T", "D", 1));
    EXPECT_TRUE(table->holdsfile());
    std::filesystem::remove(path());
    EXPECT_THROW(loadexercises(*table, path()), IoError);
    EXPECT_TRUE(table->holdsfile());
    saveexercises(*table, path());
    EXPECT_EQ(folder.readFile("exercises.lst"), libraryRecord(1, "A", "T", "D", 1));
}

TEST_F(ExerciseFile, lineEnds_atEveryPlaceOfABlock_readTheSameByEitherBlockWidth) {
    // Line ends are found a block of 64 bytes at a time: records of every
    // length with every kind of line end put LF, CR, and a CR LF split between
    // two blocks at every place of a block. Both block widths must read what
    // a plain reading line by line finds.
    std::mt19937 random(7);
    const auto pick = [&random](int below) { return static_cast<int>(random() % below); };
    const char* const lineEnds[] = {"\n", "\r\n", "\r"};
    const auto text = [&pick](int length) {
        std::string made;
        for (int i = 0; i < length; ++i)
            made += "ab yz"[pick(5)];
        return made;
    };
    for (int file = 0; file < 12; ++file) {
        std::string bytes = file % 3 == 0 ? "\xEF\xBB\xBF" : "";
        std::vector<TExercise> expected;
        const int records = 20 + pick(60);
        for (int r = 0; r < records; ++r) {
            TExercise record{static_cast<uint32_t>(1 + pick(100000)), text(pick(70)),
                             text(pick(30)), text(pick(140)), static_cast<uint8_t>(pick(2))};
            for (const std::string& line :
                 {std::to_string(record.number), record.name, record.extype, record.description,
                  std::to_string(record.online)}) {
                // A lone CR, an empty line and an LF would read as one CR LF.
                const bool afterLoneCr = bytes.ends_with("\r");
                bytes += line + lineEnds[line.empty() && afterLoneCr ? 1 + pick(2) : pick(3)];
            }
            expected.push_back(record);
        }
        if (file % 4 == 1)
            bytes.pop_back(); // the last line without its line end (or with half of a CR LF)
        for (const bool wide : {false, true}) {
            setwidelineblocks(wide);
            const LoadResult result = load(bytes);
            setwidelineblocks(true);
            ASSERT_EQ(result.loaded, records) << "file " << file << (wide ? ", wide" : "");
            for (int slot = 0; slot < records; ++slot) {
                const TExercise& want = expected[static_cast<size_t>(slot)];
                expectRecord((*table)[slot], want.number, want.name, want.extype,
                             want.description, want.online);
                if (HasFailure())
                    FAIL() << "file " << file << ", slot " << slot << (wide ? ", wide" : "");
            }
        }
    }
}
