#include "data/atomicfile.h"
#include "data/circuitfile.h"
#include "data/circuitrename.h"
#include "datahelpers.h"
#include "data/exercises.h"
#include "data/ioerror.h"
#include "testsupport/tempfolder.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Names = std::vector<std::string>;

enum ChildResult { DiskFull = 10, OtherIoError, NoError, OtherException };

// Runs the save in a child process whose files may not grow past 1 KiB, the way
// a full disk stops a write partway. Permission bits would not stop root; the
// size limit stops everyone.
int saveUnderSizeLimit(const std::function<void()>& save) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int result = NoError;
        try {
            save();
        } catch (const IoError& error) {
            result = std::string(error.what()) == "Disk full" ? DiskFull : OtherIoError;
        } catch (...) {
            result = OtherException;
        }
        ::_exit(result);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::unique_ptr<ExerciseTable> bigTable() {
    std::vector<TExercise> records;
    for (uint32_t n = 1; n <= 200; ++n)
        records.push_back({n, "Exercise " + std::to_string(n), "Upper Body",
                           "A description long enough to fill the file", 0});
    return makeTable(records);
}

TCircuit2 bigCircuit() {
    TCircuit2 circuit;
    circuit.circuitname = "Big";
    for (int i = 0; i < kMaxCircuitExercises; ++i)
        circuit.exercises[static_cast<size_t>(i)] = {500, "A rather long exercise name " +
                                                               std::to_string(i), "", 0, {}};
    return circuit;
}

class AtomicSave : public ::testing::Test {
protected:
    AtomicSave() {
        folder.writeFile("exercises.lst", oldLibrary);
        folder.writeFile("Circuits/old.cir", oldCircuit);
    }
    void expectOldFilesWhole() const {
        EXPECT_EQ(folder.readFile("exercises.lst"), oldLibrary);
        EXPECT_EQ(folder.readFile("Circuits/old.cir"), oldCircuit);
        EXPECT_EQ(folderEntries(folder.path()), (Names{"Circuits", "exercises.lst"}));
        EXPECT_EQ(folderEntries(folder.path() + "Circuits"), Names{"old.cir"});
    }

    const std::string oldLibrary = libraryRecord(1, "Old", "Abdominal", "Kept", 1);
    const std::string oldCircuit = "Old\r\nAbdominal\r\n30\r\n10\r\nOld\r\n";
    TempFolder folder;
};

TEST_F(AtomicSave, writeStoppedPartway_keepsOldFilesAndLeavesNoTemporary) {
    const auto table = bigTable();
    EXPECT_EQ(saveUnderSizeLimit([&] { saveexercises(*table, folder.path() + "exercises.lst"); }),
              DiskFull);
    EXPECT_EQ(saveUnderSizeLimit(
                  [&] { writecircuit(folder.path() + "Circuits/old.cir", bigCircuit()); }),
              DiskFull);
    expectOldFilesWhole();

    // The same saves without the limit go through.
    saveexercises(*table, folder.path() + "exercises.lst");
    EXPECT_EQ(folder.readFile("exercises.lst").substr(0, 14), "1\r\nExercise 1\r");
}

TEST_F(AtomicSave, renameInCircuitStoppedPartway_keepsTheCircuitAndLeavesNoTemporary) {
    const std::string longName(2000, 'x'); // the rewritten file passes the limit
    EXPECT_EQ(saveUnderSizeLimit(
                  [&] { renameincircuit(folder.path() + "Circuits/old.cir", "Old", longName); }),
              DiskFull);
    expectOldFilesWhole();
}

TEST_F(AtomicSave, missingFolderOrFolderInTheWay_raiseAndLeaveNoTemporary) {
    const auto table = bigTable();
    const std::pair<std::string, const char*> failing[] = {
        {folder.path() + "gone/exercises.lst", "Path not found"},
        {folder.path() + "Circuits", "File access denied"}, // a folder, not a file
    };
    for (const auto& [path, text] : failing)
        expectIoError([&, &path = path] { saveexercises(*table, path); }, text, path);
    EXPECT_THROW(writecircuit(folder.path() + "gone/new.cir", bigCircuit()), IoError);
    expectOldFilesWhole();
}

TEST_F(AtomicSave, readOnlyFolder_keepsOldFileAndLeavesNoTemporary) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    const std::string circuits = folder.path() + "Circuits";
    ::chmod(circuits.c_str(), 0555);
    EXPECT_THROW(writecircuit(circuits + "/old.cir", bigCircuit()), IoError);
    ::chmod(circuits.c_str(), 0755);
    expectOldFilesWhole();
}

TEST_F(AtomicSave, replacedFile_keepsItsPermissions) {
    const std::string path = folder.path() + "exercises.lst";
    ::chmod(path.c_str(), 0640);
    saveexercises(*bigTable(), path);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folderEntries(folder.path()), (Names{"Circuits", "exercises.lst"}));
}

} // namespace

TEST(AtomicTemporaries, leftoverTemporaries_onlyTheProgramsOwnPatternIsRemoved) {
    TempFolder folder;
    // What a save killed before its rename leaves, beside look-alikes that are
    // somebody else's.
    for (const char* name : {".stridewell-a1B2c3", "Circuits/.stridewell-XyZ789", ".stridewell-abc",
                             ".stridewell-abcdefg", ".stridewell-ab.d12", "stridewell-a1B2c3",
                             "exercises.lst", "Circuits/.stridewell-a1B2c3.cir"})
        folder.writeFile(name, "x");
    std::filesystem::create_directory(folder.path() + ".stridewell-folder");
    EXPECT_EQ(removeatomictemporaries(folder.path()), 1);
    EXPECT_EQ(removeatomictemporaries(folder.path() + "Circuits"), 1);
    EXPECT_EQ(folderEntries(folder.path()),
              (Names{".stridewell-ab.d12", ".stridewell-abc", ".stridewell-abcdefg",
                     ".stridewell-folder", "Circuits", "exercises.lst", "stridewell-a1B2c3"}));
    EXPECT_EQ(folderEntries(folder.path() + "Circuits"), Names{".stridewell-a1B2c3.cir"});
}
