#include "data/historyfile.h"
#include "data/ioerror.h"
#include "data/textencoding.h"
#include "testsupport/tempfolder.h"
#include "testsupport/waituntil.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

HistoryEntry entry(const std::string& name, uint64_t seconds, bool finished) {
    HistoryEntry e;
    e.started = "2026-12-07T18:30:05+01:00";
    e.circuitname = name;
    e.circuittype = "Upper Body";
    e.plannedseconds = 600;
    e.secondsrun = seconds;
    e.exercisesdone = finished ? 10 : 4;
    e.exercisecount = 10;
    e.finished = finished;
    return e;
}

TEST(HistoryFile, reader_skipsCutEditedAndStrayQuoteLinesOnly) {
    const std::string good = "2026-12-01T07:00:00+01:00,\"Legs, arms and \"\"core\"\"\",Upper "
                             "Body,600,640,10,10,yes,3,3\r\n";
    const std::string text =
        "\xEF\xBB\xBF" + std::string(kHistoryHeader) + "\r\n" + good +
        "2026-12-02T07:00:00+01:00,Edited,Upper Body,600,ten minutes,10,10,yes\r\n" + // by hand
        "2026-12-03T07:00:00+01:00,\"Open quote,Upper Body,600,60,1,10,no\n" +        // stray quote
        "2026-12-04T07:00:00-05:30,Plain,Core,60,65,2,2,yes\n" +                      // LF only
        "2026-12-05T07:00:00+01:00,Cut,Upper Body,600,3";                             // cut short
    TempFolder folder;
    folder.writeFile("history.csv", text);
    const std::string path = folder.path() + "history.csv";

    HistoryContents read = readhistory(path);
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.damaged, 3u);
    EXPECT_EQ(read.entries[0].circuitname, "Legs, arms and \"core\"");
    EXPECT_EQ(read.entries[0].secondsrun, 640u);
    EXPECT_TRUE(read.entries[0].finished);
    EXPECT_EQ(read.entries[0].roundsplanned, 3u);
    EXPECT_EQ(read.entries[1].circuitname, "Plain");
    EXPECT_EQ(read.entries[1].date.day, 4);
    // A line from before the rounds were kept: one round, completed as it finished.
    EXPECT_EQ(read.entries[1].roundsplanned, 1u);
    EXPECT_EQ(read.entries[1].roundscompleted, 1u);
    EXPECT_EQ(read.entries[1].startedutc - read.entries[0].startedutc, 3 * 86400 + 6 * 3600 + 1800);
    EXPECT_EQ(historyrecord(read.entries[0]), good) << "a record reads back as it was written";

    // The next run lands on a line of its own; the damaged lines stay in the file.
    HistoryEntry next = entry("Name with\r\nline break", 61, false);
    appendhistory(path, next);
    EXPECT_EQ(folder.readFile("history.csv"), text + "\r\n" + historyrecord(next));
    read = readhistory(path);
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[2].circuitname, "Name with\r\nline break");
    EXPECT_EQ(read.damaged, 3u);

    // A new file starts with the header; a missing one is an empty history;
    // a folder in its place is an error.
    const std::string fresh = folder.path() + "fresh.csv";
    EXPECT_TRUE(readhistory(fresh).entries.empty());
    appendhistory(fresh, next);
    EXPECT_EQ(folder.readFile("fresh.csv"),
              std::string(kHistoryHeader) + "\r\n" + historyrecord(next));
    EXPECT_THROW(readhistory(folder.path() + "Circuits"), IoError);
    EXPECT_THROW(appendhistory(folder.path() + "Circuits", next), IoError);
    // A pipe in its place fails at once instead of waiting for a partner.
    const std::string pipe = folder.path() + "pipe.csv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(readhistory(pipe), IoError);
    EXPECT_THROW(appendhistory(pipe, next), IoError);

    // The export leaves the damaged lines out, and never replaces the history itself.
    exporthistory(path, folder.path() + "copy.csv");
    EXPECT_EQ(folder.readFile("copy.csv"),
              std::string(kHistoryHeader) + "\r\n" + good +
                  "2026-12-04T07:00:00-05:30,Plain,Core,60,65,2,2,yes,1,1\r\n" + historyrecord(next));
    const std::string before = folder.readFile("history.csv");
    EXPECT_THROW(exporthistory(path, folder.path() + "./history.csv"), IoError);
    EXPECT_EQ(folder.readFile("history.csv"), before);
}

TEST(HistoryFile, exactColumn_newLinesCarryIt_olderLinesReadAndWriteBackWithout) {
    // A file begun before the column existed: its header and lines stay as
    // they are, and the new line follows with the column.
    const std::string oldHeader = "started,circuit,type,planned_seconds,seconds_run,"
                                  "exercises_done,exercise_count,finished,rounds_planned,"
                                  "rounds_completed\r\n";
    const std::string rounds = "2026-12-01T07:00:00+01:00,Legs,Core,600,640,10,10,yes,2,2\r\n";
    const std::string before = "2026-12-02T07:00:00+01:00,Arms,Core,60,65,2,2,no\r\n";
    TempFolder folder;
    folder.writeFile("history.csv", oldHeader + rounds + before);
    const std::string path = folder.path() + "history.csv";
    HistoryEntry exact = entry("Exact", 600, true);
    exact.exact = true;
    HistoryEntry designed = entry("Designed", 610, false);
    designed.exact = false;
    appendhistory(path, exact);
    appendhistory(path, designed);
    EXPECT_EQ(folder.readFile("history.csv"),
              oldHeader + rounds + before +
                  "2026-12-07T18:30:05+01:00,Exact,Upper Body,600,600,10,10,yes,1,0,yes\r\n"
                  "2026-12-07T18:30:05+01:00,Designed,Upper Body,600,610,4,10,no,1,0,no\r\n");

    const HistoryContents read = readhistory(path);
    EXPECT_EQ(read.damaged, 0u);
    ASSERT_EQ(read.entries.size(), 4u);
    EXPECT_EQ(read.entries[0].exact, std::nullopt);
    EXPECT_EQ(read.entries[1].exact, std::nullopt);
    EXPECT_EQ(read.entries[2].exact, std::optional<bool>(true));
    EXPECT_EQ(read.entries[3].exact, std::optional<bool>(false));
    EXPECT_EQ(read.entries[3].secondsrun, 610u);
    EXPECT_EQ(historyrecord(read.entries[0]), rounds) << "an older line writes back as it was";

    // A new file's header names the column; a value other than yes or no, or
    // a column too many, is a damaged line.
    const std::string fresh = folder.path() + "fresh.csv";
    appendhistory(fresh, exact);
    const std::string header =
        folder.readFile("fresh.csv").substr(0, std::string(kHistoryHeader).size());
    EXPECT_EQ(header, oldHeader.substr(0, oldHeader.size() - 2) + ",exact");
    const HistoryContents edited =
        parsehistory(std::string(kHistoryHeader) + "\r\n" +
                     "2026-12-07T18:30:05+01:00,Maybe,Core,600,600,10,10,yes,1,1,maybe\r\n" +
                     "2026-12-07T18:30:05+01:00,Long,Core,600,600,10,10,yes,1,1,yes,extra\r\n" +
                     "2026-12-07T18:30:05+01:00,Fine,Core,600,600,10,10,yes,1,1,no\r\n");
    ASSERT_EQ(edited.entries.size(), 1u);
    EXPECT_EQ(edited.damaged, 2u);
    EXPECT_EQ(edited.entries[0].circuitname, "Fine");
    EXPECT_EQ(edited.entries[0].exact, std::optional<bool>(false));
}

// A child process appends as fast as it can and is killed at random moments;
// whatever is in the file afterwards reads back as whole records.
TEST(HistoryFile, killDuringAppends_everyRecordReadBackWhole) {
    TempFolder folder;
    const std::string path = folder.path() + "history.csv";
    std::mt19937 random(20261208);
    uint64_t next = 1;
    const auto fileSize = [&path] {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_size : off_t{0};
    };
    for (int round = 0; round < 6; ++round) {
        const off_t sizeBefore = fileSize();
        const pid_t child = ::fork();
        if (child == 0) {
            // The child never returns into the test run, whatever happens.
            try {
                for (uint64_t n = next;; ++n) {
                    // The name repeats the number, so a record cut or mixed up shows.
                    appendhistory(path,
                                  entry("Run " + std::to_string(n) + std::string(n % 300, 'x'), n,
                                        n % 2 == 0));
                }
            } catch (...) {
            }
            ::_exit(1);
        }
        ASSERT_GT(child, 0);
        // Once the child is appending, the kill comes at a random moment: the
        // sleep is what makes the moment random.
        const bool appending = waituntil([&] { return fileSize() > sizeBefore; });
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 20));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(appending);
        ASSERT_TRUE(WIFSIGNALED(status));
        next += 100000;
    }

    const HistoryContents read = readhistory(path);
    ASSERT_GT(read.entries.size(), 6u);
    EXPECT_LE(read.damaged, 6u) << "at most the one record each kill cut short";
    for (const HistoryEntry& e : read.entries) {
        ASSERT_EQ(e.circuitname,
                  "Run " + std::to_string(e.secondsrun) + std::string(e.secondsrun % 300, 'x'));
        ASSERT_EQ(e.finished, e.secondsrun % 2 == 0);
        ASSERT_EQ(e.exercisesdone, e.finished ? 10u : 4u);
        ASSERT_EQ(e.started, "2026-12-07T18:30:05+01:00");
    }
}

} // namespace

TEST(TextEncoding, validUtf8KeptAnythingElseReadAsLatin1) {
    EXPECT_EQ(asutf8("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8F\x8B"),
              "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8F\x8B");
    EXPECT_EQ(asutf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(asutf8(std::string("\x00 ", 2)), std::string("\x00 ", 2));
    // Not UTF-8: overlong forms, surrogates, beyond U+10FFFF, a cut sequence.
    for (const char* bytes : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                              "\xF5\x80\x80\x80", "ok\xE2\x82", "\x80"})
        EXPECT_FALSE(isutf8(bytes)) << bytes;
    EXPECT_EQ(asutf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");
}
