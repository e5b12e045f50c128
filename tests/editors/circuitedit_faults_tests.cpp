// The editor never harms another circuit's file, never loses the stored
// circuit on a failed rename, and refuses what cannot be stored.
#include "circuitedit_fixture.h"

#include "data/ioerror.h"

#include <filesystem>

using Lines = std::vector<std::string>;

TEST_F(CircuitEditTest, newCircuit_neverTakesOverAnExistingNewCircuitFile) {
    storeFile("New Circuit.cir", "New Circuit", "Abdominal", 60, 10, {"Crunch"});
    storeFile("New Circuit 2.cir", "New Circuit 2", "Lower Body", 60, 10, {"Squat"});

    editor.newcircuit();

    EXPECT_EQ(view.name, "New Circuit 3");
    EXPECT_EQ(fileLines("New Circuit 3"), (Lines{"New Circuit 3", "Upper Body", "30", "15"}));
    EXPECT_EQ(fileLines("New Circuit"), (Lines{"New Circuit", "Abdominal", "60", "10", "Crunch"}));
    EXPECT_EQ(fileLines("New Circuit 2").at(4), "Squat");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, typingAnotherCircuitsName_leavesItAloneAndLeavingKeepsTheSettledName) {
    storeFile("Arms.cir", "Arms", "Upper Body", 60, 10, {"Dip"});
    const Lines arms = fileLines("Arms");
    newCircuitWith({0});
    typeName("Mine");
    editor.edt_circuitnameExit();

    // Typing on past a free name to another circuit's: the free name is
    // stored letter by letter, the clash only said beside the field.
    typeName("Arm");
    typeNameLetters("s");
    EXPECT_TRUE(view.messages.empty());
    EXPECT_NE(view.nameProblem.find("\"Arms\""), std::string::npos) << view.nameProblem;
    EXPECT_EQ(view.name, "Arms");
    EXPECT_EQ(editor.workingcircuit().circuitname, "Arm");

    // Every store while the field holds the name is refused, naming the clash.
    typeInterval(IntervalField::Exercise, "45");
    pickType(2);
    editor.btn_newexerciseClick();
    const Lines messages = view.takeMessages();
    ASSERT_EQ(messages.size(), 3u);
    for (const std::string& message : messages)
        EXPECT_NE(message.find("\"Arms\""), std::string::npos) << message;
    EXPECT_EQ(fileLines("Arms"), arms);

    // Leaving the field goes back to the name last settled, and says so once.
    editor.edt_circuitnameExit();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.takeMessages()[0].find("keeps its name \"Mine\""), std::string::npos);
    EXPECT_EQ(view.name, "Mine");
    EXPECT_TRUE(view.nameProblem.empty());
    EXPECT_EQ(fileLines("Mine"), (Lines{"Mine", "Upper Body", "30", "15", "Push Up"}));
    EXPECT_FALSE(fileExists("Arm"));
    EXPECT_EQ(fileLines("Arms"), arms);
    EXPECT_EQ(grid.names(), (Lines{"Arms", "Mine"}));
    editor.leavefront(); // already settled: not said again
    EXPECT_TRUE(view.messages.empty());

    // Typing on to a free name renames the circuit from there.
    typeNameLetters("X");
    EXPECT_TRUE(fileExists("MineX"));
    EXPECT_FALSE(fileExists("Mine"));
    editor.edt_circuitnameExit();
    EXPECT_EQ(fileLines("MineX").at(0), "MineX");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, returningToTheOwnName_afterAClash_storesAgain) {
    storeFile("Ab.cir", "Ab", "Abdominal", 60, 10, {});
    editor.newcircuit();
    typeName("A");
    typeNameLetters("b"); // "Ab" belongs to another circuit
    typeName("A");        // back to the circuit's own file
    EXPECT_EQ(editor.workingcircuit().circuitname, "A");
    typeInterval(IntervalField::Rest, "20");
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(fileLines("A").at(3), "20");
    EXPECT_EQ(fileLines("Ab"), (Lines{"Ab", "Abdominal", "60", "10"}));
}

TEST_F(CircuitEditTest, openedCircuitNamedLikeAnotherFile_isNotWrittenOverThatFile) {
    storeFile("Arms.cir", "Arms", "Upper Body", 60, 10, {"Dip"});
    storeFile("copy.cir", "Arms", "Upper Body", 0, 10, {"Push Up"});
    const Lines arms = fileLines("Arms");

    editor.modifycircuit(path("copy"));

    EXPECT_EQ(fileLines("Arms"), arms);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_NE(view.messages.front().find("\"Arms\""), std::string::npos);
}

TEST_F(CircuitEditTest, failedRenameWrite_keepsThePreviousFileAndName) {
    editor.newcircuit();
    typeName("Keep");
    editor.edt_circuitnameExit();

    const std::string tooLong(300, 'x'); // longer than any file name may be
    view.name = tooLong;
    EXPECT_THROW(editor.edt_circuitnameChange(), IoError);

    EXPECT_EQ(fileLines("Keep"), (Lines{"Keep", "Upper Body", "30", "15"}));
    EXPECT_EQ(editor.workingcircuit().circuitname, "Keep");
}

TEST_F(CircuitEditTest, failedStore_endsTheReactionBeforeTheScan) {
    editor.newcircuit();
    grid.cells.clear();
    // A folder in the file's place makes the write fail.
    std::filesystem::remove(path("New Circuit"));
    std::filesystem::create_directory(path("New Circuit"));

    EXPECT_THROW(typeInterval(IntervalField::Exercise, "45"), IoError);
    EXPECT_EQ(editor.workingcircuit().exerciseinterval, 45u); // set before the write
    EXPECT_TRUE(grid.cells.empty());
}

TEST_F(CircuitEditTest, namesThatCannotBeFileNames_areSaidBesideTheFieldAndNeverStored) {
    editor.newcircuit();
    typeName("Good");
    editor.edt_circuitnameExit();

    for (const std::string bad : {"a/b", "..", "a:b", ".", "x*", "tab\there", "q?", "p|q",
                                  "back\\slash", "<b>", "say \"hi\""}) {
        SCOPED_TRACE(bad);
        typeName(bad);
        EXPECT_TRUE(view.messages.empty()); // no box while typing
        EXPECT_FALSE(view.nameProblem.empty());
        EXPECT_EQ(editor.workingcircuit().circuitname, "Good");
        typeInterval(IntervalField::Rest, "16");
        EXPECT_EQ(view.takeMessages().size(), 1u);
        editor.edt_circuitnameExit();
        EXPECT_EQ(view.takeMessages().size(), 1u);
        EXPECT_EQ(view.name, "Good");
    }
    EXPECT_EQ(fileLines("Good"), (Lines{"Good", "Upper Body", "30", "15"}));
    Lines stored;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() + "Circuits"))
        stored.push_back(entry.path().filename().string());
    EXPECT_EQ(stored, Lines{"Good.cir"});
    // Dots inside a name are fine.
    typeName("v1.2");
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.nameProblem.empty());
    EXPECT_TRUE(fileExists("v1.2"));
    EXPECT_FALSE(fileExists("Good"));
}

TEST_F(CircuitEditTest, typingPastARefusedCharacter_keepsEveryLetterAndStoresOnceValid) {
    editor.newcircuit();
    typeName("");
    EXPECT_EQ(view.nameProblem, "Circuit needs a name before modifying it.");
    typeNameLetters("a:bcd");
    EXPECT_EQ(view.name, "a:bcd");
    EXPECT_TRUE(view.messages.empty());
    EXPECT_NE(view.nameProblem.find(':'), std::string::npos);
    EXPECT_FALSE(fileExists("a:bcd"));
    typeName("abcd"); // the problem is gone and the name stored
    EXPECT_TRUE(view.nameProblem.empty());
    EXPECT_TRUE(fileExists("abcd"));
}

TEST_F(CircuitEditTest, removedWhileEdited_isLetGoAndNeverWrittenBack) {
    storeFile("Arms.cir", "Arms", "Upper Body", 60, 10, {"Dip"});
    newCircuitWith({0});
    editor.releaseifedited(path("Arms")); // another circuit: nothing changes
    EXPECT_TRUE(view.editable);

    editor.releaseifedited(path("New Circuit"));
    std::filesystem::remove(path("New Circuit"));
    EXPECT_FALSE(view.editable);
    EXPECT_TRUE(view.name.empty());
    EXPECT_TRUE(view.lines.empty());

    // Whatever still reaches the editor writes nothing and says nothing.
    typeName("N");
    typeInterval(IntervalField::Exercise, "45");
    editor.edt_circuitnameExit();
    editor.leavefront();
    EXPECT_FALSE(fileExists("New Circuit"));
    EXPECT_FALSE(fileExists("N"));
    view.takeMessages();

    editor.newcircuit();
    EXPECT_TRUE(view.editable);
    EXPECT_TRUE(fileExists("New Circuit"));
}

TEST_F(CircuitEditTest, addingToAFullCircuit_isRefusedAndEntry100StaysFree) {
    editor.newcircuit();
    for (int i = 0; i < 100; ++i) {
        view.choice = i % 2;
        editor.btn_newexerciseClick();
    }
    ASSERT_TRUE(view.messages.empty());
    ASSERT_EQ(view.lines.size(), 100u);

    view.choice = 0;
    editor.btn_newexerciseClick();

    const Lines messages = view.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("100"), std::string::npos);
    EXPECT_EQ(view.lines.size(), 100u);
    EXPECT_EQ(editor.workingcircuit().exercises[100].number, 0u);
    EXPECT_EQ(fileLines("New Circuit").size(), 104u);
    EXPECT_FALSE(editor.addexercise("Push Up", 10));
}

TEST_F(CircuitEditTest, addWithNoChoices_addsNothing) {
    table.librarysize = 0;
    editor.newcircuit();
    ASSERT_TRUE(view.choices.empty());
    EXPECT_EQ(view.choice, -1);

    editor.btn_newexerciseClick();

    EXPECT_TRUE(view.lines.empty());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(fileLines("New Circuit").size(), 4u);
}

TEST_F(CircuitEditTest, returningToOwnNameWhoseFileWasRemoved_writesItAgain) {
    storeFile("Ab.cir", "Ab", "Abdominal", 60, 10, {});
    editor.newcircuit();
    typeName("A");
    typeNameLetters("b");               // another circuit's name: nothing stored
    std::filesystem::remove(path("A")); // removed behind the editor's back
    typeName("A");
    EXPECT_EQ(fileLines("A"), (Lines{"A", "Upper Body", "30", "15"}));
}

TEST_F(CircuitEditTest, circuitOf150Exercises_isShownButNeverStored) {
    // Named unlike its file, so opening it would otherwise write a second file.
    std::vector<std::string> exercises(150, "Push Up");
    storeFile("Long.cir", "Long one", "Upper Body", 45, 20, exercises);
    const std::string before = folder.readFile("Circuits/Long.cir");

    editor.modifycircuit(path("Long"));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("150 exercises"), std::string::npos) << view.messages[0];
    EXPECT_EQ(view.lines.size(), 100u);
    view.takeMessages();

    typeInterval(IntervalField::Exercise, "50");
    pickType(2);
    view.line = 0;
    editor.btn_deleteClick();
    editor.btn_newexerciseClick();
    typeNameLetters("X");
    editor.edt_circuitnameExit();
    EXPECT_EQ(view.takeMessages().size(), 5u); // each store refused and told
    EXPECT_EQ(view.exerciseText, "45");
    EXPECT_EQ(folder.readFile("Circuits/Long.cir"), before);
    EXPECT_FALSE(fileExists("Long one"));
    EXPECT_FALSE(fileExists("Long oneX"));

    // A new circuit is stored again as usual.
    editor.newcircuit();
    EXPECT_TRUE(fileExists("New Circuit"));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, leavingTheFront_storesAPendingNameOnceAndNoStoreWithoutACircuit) {
    // Before any circuit is opened, text in the name field writes nothing.
    typeName("z");
    editor.leavefront();
    EXPECT_FALSE(fileExists("z"));
    EXPECT_TRUE(grid.cells.empty());

    editor.newcircuit();
    typeNameLetters("s");                          // "New Circuits"
    std::filesystem::remove(path("New Circuits")); // gone behind the editor's back
    editor.leavefront();                           // stored as when the field is left
    EXPECT_EQ(fileLines("New Circuits").at(0), "New Circuits");
    std::filesystem::remove(path("New Circuits"));
    editor.leavefront(); // nothing changed since: no store
    EXPECT_FALSE(fileExists("New Circuits"));
}
