// The update handlers against the project's content server, in-process.
#include "runningcontentserver.h"
#include "updatefixture.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <mutex>
#include <thread>

#include <algorithm>
#include <filesystem>

namespace {

class ContentUpdateTest : public ::testing::Test, public UpdateFixture {
protected:
    // The circuit files the server was asked for, in order.
    std::vector<std::string> fetchedCircuits() const {
        std::vector<std::string> names;
        const std::string prefix = "GET /kinoradex/circuits/";
        for (const std::string& line : server.log()) {
            if (line.rfind(prefix, 0) == 0)
                names.push_back(line.substr(prefix.size(), line.rfind(' ') - prefix.size()));
        }
        return names;
    }
    void checkExercises() {
        update->lbl_checkexercisesClick();
        ASSERT_TRUE(settle(*update));
    }
    void checkCircuits() {
        update->lbl_checkcicruitsClick();
        ASSERT_TRUE(settle(*update));
    }
    static std::string circuit(const std::string& name) {
        return name + "\r\nUpper Body\r\n30\r\n10\r\nPush Ups\r\n";
    }

    TempFolder content;
    RunningContentServer server{content.path()};
    std::unique_ptr<ContentUpdate> update = makeUpdate(server.port());
};

TEST_F(ContentUpdateTest, threeExercisesOneHeld_addsTwoNumberedOnFromTheLast) {
    app().writeFile("exercises.lst", record(7, "Push Ups", "Upper Body", "Press the floor away") +
                                         record(12, "Squats", "Lower Body", "Sit back and stand"));
    content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold still\r\n"
                                          "Push Ups\r\nUpper Body\r\nPress the floor away\r\n"
                                          "Lunges\r\nLower Body\r\nStep forward\r\n");
    checkExercises();
    EXPECT_EQ(reports(), Reports{"exercisesAdded 2"});

    ExerciseTable stored;
    loadexercises(stored, exerciselibrarypath());
    ASSERT_EQ(stored.librarysize, 4);
    EXPECT_EQ(stored[2].number, 13U);
    EXPECT_EQ(stored[2].name, "Plank");
    EXPECT_EQ(stored[2].description, "Hold still");
    EXPECT_EQ(stored[2].online, 1);
    EXPECT_EQ(stored[3].number, 14U);
    EXPECT_EQ(stored[3].name, "Lunges");
    EXPECT_EQ(stored[3].online, 1);
    EXPECT_EQ(stored[1].online, 0);
    EXPECT_EQ(exercisetable().librarysize, 4);
    // The fetched list is kept beside the library.
    EXPECT_EQ(app().readFile("newexercises.lst"), content.readFile("newexercises.lst"));
}

TEST_F(ContentUpdateTest, everyExerciseHeld_saysSoAndLeavesTheLibraryFileAsItIs) {
    // Written with bare line feeds, so a rewrite would show in the bytes.
    app().writeFile("exercises.lst", "3\nPlank\nAbdominal\nHold still\n1\n");
    content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold still\r\n\r\n\r\n\r\n");
    checkExercises();
    EXPECT_EQ(reports(), Reports{"nothingNew exercises"});
    EXPECT_EQ(app().readFile("exercises.lst"), "3\nPlank\nAbdominal\nHold still\n1\n");
}

TEST_F(ContentUpdateTest, libraryFileOfMoreThan500_keepsEveryRecordOfIt) {
    std::string library;
    for (int i = 1; i <= 503; ++i)
        library += record(static_cast<uint32_t>(i), "Exercise " + std::to_string(i), "Abdominal", "");
    app().writeFile("exercises.lst", library);
    content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold still\r\n");
    checkExercises();
    // The table could not take the whole file, so nothing is merged or saved.
    const Reports messages = reports();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].rfind("stepFailed The exercise library is not saved to ", 0), 0U)
        << messages[0];
    EXPECT_NE(messages[0].find("exercises.lst holds more than 500 exercises"), std::string::npos);
    EXPECT_EQ(app().readFile("exercises.lst"), library);
}

TEST_F(ContentUpdateTest, differencesInCaseOrTypeOrDescription_makeNewExercises) {
    app().writeFile("exercises.lst", record(1, "Plank", "Abdominal", "Hold still"));
    content.writeFile("newexercises.lst", "plank\r\nAbdominal\r\nHold still\r\n"
                                          "Plank\r\nUpper Body\r\nHold still\r\n"
                                          "Plank\r\nAbdominal\r\nHold still!\r\n"
                                          "Plank\r\nAbdominal\r\nHold still\r\n");
    checkExercises();
    EXPECT_EQ(reports(), Reports{"exercisesAdded 3"});
    EXPECT_EQ(exercisetable().librarysize, 4);
    EXPECT_EQ(exercisetable()[3].number, 4U);
}

TEST_F(ContentUpdateTest, emptyLibrary_firstNewExerciseIsNumberOne) {
    app().writeFile("exercises.lst", "");
    content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold still\r\nBurpees\r\n");
    checkExercises();
    EXPECT_EQ(reports(), Reports{"exercisesAdded 2"});
    EXPECT_EQ(exercisetable()[0].number, 1U);
    EXPECT_EQ(exercisetable()[1].number, 2U);
    EXPECT_EQ(exercisetable()[1].name, "Burpees"); // a cut-short group keeps empty texts
    EXPECT_EQ(exercisetable()[1].extype, "");
}

TEST_F(ContentUpdateTest, fullLibrary_stopsAtFiveHundredAndSaysSo) {
    std::string library;
    for (uint32_t i = 1; i <= 498; ++i)
        library += record(i, "Exercise " + std::to_string(i), "Upper Body", "d");
    app().writeFile("exercises.lst", library);
    content.writeFile("newexercises.lst", "N1\r\nAbdominal\r\nd\r\nN2\r\nAbdominal\r\nd\r\n"
                                          "N3\r\nAbdominal\r\nd\r\nN4\r\nAbdominal\r\nd\r\n");
    checkExercises();
    EXPECT_EQ(reports(), Reports{"exercisesAdded 2 full"});
    ExerciseTable stored;
    loadexercises(stored, exerciselibrarypath());
    EXPECT_EQ(stored.librarysize, 500);
    EXPECT_EQ(stored[499].name, "N2");
    EXPECT_EQ(stored[500].number, 0U);
}

TEST_F(ContentUpdateTest, exerciseListMissing_saysSoAndKeepsEverything) {
    const std::string library = record(1, "Plank", "Abdominal", "Hold still");
    app().writeFile("exercises.lst", library);
    app().writeFile("newexercises.lst", "the list of last time\r\n");
    checkExercises(); // the server holds no list
    EXPECT_EQ(reports(), Reports{"listFailed exercises Status 404"});
    EXPECT_EQ(app().readFile("exercises.lst"), library);
    EXPECT_EQ(app().readFile("newexercises.lst"), "the list of last time\r\n");
}

TEST_F(ContentUpdateTest, serverUnreachable_isNotReportedAsNoNews) {
    app().writeFile("exercises.lst", record(1, "Plank", "Abdominal", "Hold still"));
    const int port = closedPort();
    const std::string noConnection = " NoConnection 127.0.0.1:" + std::to_string(port);
    auto offline = makeUpdate(port);
    offline->lbl_checkexercisesClick();
    ASSERT_TRUE(settle(*offline));
    EXPECT_EQ(reports(), Reports{"listFailed exercises" + noConnection});
    offline->lbl_checkcicruitsClick();
    ASSERT_TRUE(settle(*offline));
    EXPECT_EQ(reports(), Reports{"listFailed circuits" + noConnection});
}

// Each of the three downloads reports why it failed (the test above gives the
// reason when nothing listens).
TEST_F(ContentUpdateTest, failedDownloads_giveTheirReasonOnASecondLine) {
    app().writeFile("exercises.lst", record(1, "Plank", "Abdominal", "Hold still"));
    // Only the circuit list is there; every other address answers 404.
    HttpTestServer web;
    web.server().Get("/kinoradex/newcircuits.lst",
                     [](const httplib::Request&, httplib::Response& res) {
                         res.set_content("Gone.cir\r\n", "text/plain");
                     });
    web.start();
    auto partial = makeUpdate(web.port());
    partial->lbl_checkexercisesClick();
    ASSERT_TRUE(settle(*partial));
    EXPECT_EQ(reports(), Reports{"listFailed exercises Status 404"});
    partial->lbl_checkcicruitsClick();
    ASSERT_TRUE(settle(*partial));
    EXPECT_EQ(reports(), Reports{"circuitFailed Gone.cir Status 404"});

    // A server that takes the connection and never answers.
    RawHttpServer silent(
        [](RawConnection& c, const std::atomic<bool>& stopping) { c.pause(5000, stopping); });
    auto waiting = makeUpdate(silent.port());
    waiting->lbl_checkcicruitsClick();
    ASSERT_TRUE(settle(*waiting));
    EXPECT_EQ(reports(), Reports{"listFailed circuits TimedOut"});
}

TEST_F(ContentUpdateTest, missingLibrary_endsTheClickWithTheFileError) {
    content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold still\r\n");
    update->lbl_checkexercisesClick();
    EXPECT_FALSE(update->HTTPGet.busy());
    EXPECT_EQ(reports(), Reports{"stepFailed File not found"});
    EXPECT_FALSE(app().exists("exercises.lst"));
}

TEST_F(ContentUpdateTest, threeCircuitsNoneHeld_arriveLastLineFirst) {
    for (const std::string name : {"A.cir", "B.cir", "C.cir"})
        content.writeFile("circuits/" + name, circuit(name));
    content.writeFile("newcircuits.lst", "A.cir\r\nB.cir\r\nC.cir\r\n");
    checkCircuits();
    EXPECT_EQ(fetchedCircuits(), (std::vector<std::string>{"C.cir", "B.cir", "A.cir"}));
    EXPECT_EQ(reports(), Reports{"circuitsAdded 3"});
    for (const std::string name : {"A.cir", "B.cir", "C.cir"})
        EXPECT_EQ(app().readFile("Circuits/" + name), circuit(name));
    EXPECT_EQ(app().readFile("newcircuits.lst"), "A.cir\r\nB.cir\r\nC.cir\r\n");
}

TEST_F(ContentUpdateTest, everyCircuitHeld_fetchesNothingAndSaysNothing) {
    for (const std::string name : {"A.cir", "B.cir"}) {
        content.writeFile("circuits/" + name, circuit("server " + name));
        app().writeFile("Circuits/" + name, circuit("mine " + name));
    }
    content.writeFile("newcircuits.lst", "A.cir\r\nB.cir\r\n");
    checkCircuits();
    EXPECT_TRUE(fetchedCircuits().empty());
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(app().readFile("Circuits/A.cir"), circuit("mine A.cir"));
    EXPECT_EQ(update->circuitsadded, 0);
}

TEST_F(ContentUpdateTest, firstCircuitHeld_othersArriveWithoutASummary) {
    for (const std::string name : {"A.cir", "B.cir", "C.cir"})
        content.writeFile("circuits/" + name, circuit(name));
    app().writeFile("Circuits/A.cir", circuit("mine"));
    content.writeFile("newcircuits.lst", "A.cir\r\nB.cir\r\nC.cir\r\n");
    checkCircuits();
    EXPECT_EQ(fetchedCircuits(), (std::vector<std::string>{"C.cir", "B.cir"}));
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(app().readFile("Circuits/A.cir"), circuit("mine"));
    EXPECT_EQ(update->circuitsadded, 2);
}

TEST_F(ContentUpdateTest, twentyFiveLines_onlyTheFirstTwentyCount) {
    std::string list;
    for (int i = 1; i <= 25; ++i) {
        const std::string name = "c" + std::to_string(100 + i) + ".cir";
        content.writeFile("circuits/" + name, circuit(name));
        list += name + "\r\n";
    }
    content.writeFile("newcircuits.lst", list);
    checkCircuits();
    EXPECT_EQ(reports(), Reports{"circuitsAdded 20"});
    const std::vector<std::string> fetched = fetchedCircuits();
    ASSERT_EQ(fetched.size(), 20U);
    EXPECT_EQ(fetched.front(), "c120.cir");
    EXPECT_EQ(fetched.back(), "c101.cir");
    EXPECT_FALSE(app().exists("Circuits/c121.cir"));
}

TEST_F(ContentUpdateTest, emptyCircuitList_saysNoNewCircuits) {
    content.writeFile("newcircuits.lst", "");
    checkCircuits();
    EXPECT_EQ(reports(), Reports{"nothingNew circuits"});
}

TEST_F(ContentUpdateTest, circuitListMissing_saysSo) {
    checkCircuits();
    EXPECT_EQ(reports(), Reports{"listFailed circuits Status 404"});
    EXPECT_FALSE(app().exists("newcircuits.lst"));
}

TEST_F(ContentUpdateTest, failedCircuit_endsTheChainAndNamesIt) {
    content.writeFile("circuits/A.cir", circuit("A"));
    content.writeFile("circuits/C.cir", circuit("C"));
    content.writeFile("newcircuits.lst", "A.cir\r\nB.cir\r\nC.cir\r\n");
    checkCircuits();
    EXPECT_EQ(fetchedCircuits(), (std::vector<std::string>{"C.cir", "B.cir"}));
    EXPECT_EQ(reports(), Reports{"circuitFailed B.cir Status 404"});
    EXPECT_FALSE(app().exists("Circuits/B.cir"));
    EXPECT_FALSE(app().exists("Circuits/A.cir"));
    // A stays for the next check.
    EXPECT_EQ(update->circuitstack.count, 1);
    EXPECT_EQ(update->circuitstack.items[0], "A.cir");
}

TEST_F(ContentUpdateTest, unsafeNames_arePassedOverAndNothingLeavesTheCircuitsFolder) {
    content.writeFile("circuits/Good.cir", circuit("Good"));
    content.writeFile("newcircuits.lst", "Good.cir\r\n../escape.cir\r\nsub/inner.cir\r\n..\r\n"
                                         "\r\nbad\x01name.cir\r\n..\\win.cir\r\n...\r\n");
    app().writeFile("exercises.lst", record(1, "Plank", "Abdominal", "Hold still"));
    auto before = folderSnapshot(app().path());
    checkCircuits();
    EXPECT_EQ(fetchedCircuits(), std::vector<std::string>{"Good.cir"});
    EXPECT_EQ(reports(), Reports{"circuitsAdded 1"});
    auto after = folderSnapshot(app().path());
    EXPECT_EQ(after.erase("Circuits/Good.cir"), 1U);
    EXPECT_EQ(after.erase("newcircuits.lst"), 1U);
    EXPECT_EQ(after, before);
}

TEST_F(ContentUpdateTest, namesWithBlanksAndUrlCharacters_arriveUnderTheirOwnName) {
    const std::vector<std::string> names{"50% Effort #2.cir", "Leg Day?.cir", "Caf\xE9.cir"};
    std::string list;
    for (const std::string& name : names) {
        content.writeFile("circuits/" + name, circuit(name));
        list += name + "\r\n";
    }
    content.writeFile("newcircuits.lst", list);
    checkCircuits();
    EXPECT_EQ(reports(), Reports{"circuitsAdded 3"});
    for (const std::string& name : names)
        EXPECT_EQ(app().readFile("Circuits/" + name), circuit(name)) << name;
}

TEST_F(ContentUpdateTest, missingCircuitsFolder_isCreated) {
    std::filesystem::remove_all(app().path() + "Circuits");
    content.writeFile("circuits/A.cir", circuit("A"));
    content.writeFile("newcircuits.lst", "A.cir\r\n");
    checkCircuits();
    EXPECT_EQ(reports(), Reports{"circuitsAdded 1"});
    EXPECT_EQ(app().readFile("Circuits/A.cir"), circuit("A"));
}

TEST_F(ContentUpdateTest, secondCheckDuringAChain_namesJoinTheRunningChain) {
    // A server whose circuits take a while, so the second list arrives while
    // the first chain is still fetching.
    HttpTestServer slow;
    std::mutex mutex;
    std::string list = "A.cir\r\nB.cir\r\n";
    std::vector<std::string> fetched;
    slow.server().Get("/kinoradex/newcircuits.lst",
                      [&](const httplib::Request&, httplib::Response& res) {
                          const std::lock_guard lock(mutex);
                          res.set_content(list, "text/plain");
                      });
    slow.server().Get(R"(/kinoradex/circuits/(.*))",
                      [&](const httplib::Request& req, httplib::Response& res) {
                          std::this_thread::sleep_for(std::chrono::milliseconds(200));
                          const std::lock_guard lock(mutex);
                          fetched.push_back(req.matches[1]);
                          res.set_content(circuit(req.matches[1]), "text/plain");
                      });
    slow.start();
    update = makeUpdate(slow.port());
    update->lbl_checkcicruitsClick();
    ASSERT_TRUE(spinUntil([this] { return update->CircuitDownloader.busy(); }));
    {
        const std::lock_guard lock(mutex);
        list = "C.cir\r\nD.cir\r\n";
    }
    update->lbl_checkcicruitsClick();
    ASSERT_TRUE(spinUntil([this] { return !update->Circuitget.busy(); }));
    EXPECT_TRUE(update->CircuitDownloader.busy()); // the second list came in mid-chain
    ASSERT_TRUE(settle(*update));
    for (const std::string name : {"A.cir", "B.cir", "C.cir", "D.cir"})
        EXPECT_EQ(app().readFile("Circuits/" + name), circuit(name)) << name;
    const std::lock_guard lock(mutex);
    EXPECT_EQ(fetched, (std::vector<std::string>{"B.cir", "D.cir", "C.cir", "A.cir"}));
    EXPECT_EQ(reports(), Reports{"circuitsAdded 3"});
}

} // namespace
