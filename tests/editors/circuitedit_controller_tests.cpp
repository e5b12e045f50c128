// The circuit editor's behaviour through a fake view, against real files.
#include "circuitedit_fixture.h"

#include "data/ioerror.h"

using Lines = std::vector<std::string>;

TEST_F(CircuitEditTest, newCircuit_writesDefaultFileAndListsItInTheGrid) {
    editor.newcircuit();

    EXPECT_EQ(fileLines("New Circuit"), (Lines{"New Circuit", "Upper Body", "30", "15"}));
    EXPECT_EQ(grid.names(), (Lines{"New Circuit"}));
    EXPECT_EQ(grid.cell(4, 0), path("New Circuit"));
    EXPECT_EQ(view.name, "New Circuit");
    EXPECT_EQ(view.type, 0);
    EXPECT_EQ(view.exerciseText, "30");
    EXPECT_EQ(view.restText, "15");
    EXPECT_EQ(view.choices, (Lines{"Push Up", "Dip"}));
    EXPECT_EQ(view.choice, 0);
    EXPECT_TRUE(view.lines.empty());
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, newCircuit_afterEditingAnother_leavesThatCircuitsFileAlone) {
    newCircuitWith({0});
    typeName("Arms");
    editor.edt_circuitnameExit();
    view.exerciseText = "45"; // a field that does not show the default

    editor.newcircuit();

    EXPECT_EQ(fileLines("Arms"), (Lines{"Arms", "Upper Body", "30", "15", "Push Up"}));
    EXPECT_EQ(fileLines("New Circuit"), (Lines{"New Circuit", "Upper Body", "30", "15"}));
    EXPECT_EQ(editor.workingcircuit().exercises[0].number, 0u);
    EXPECT_EQ(view.exerciseText, "30");
}

TEST_F(CircuitEditTest, typingFourLetterName_renamesLetterByLetterAndExitStoresWholeName) {
    editor.newcircuit();
    view.name.clear(); // the selected text is replaced by the first letter
    const std::string typed = "Legs";
    std::string shown;
    std::string previous = "New Circuit";
    for (const char letter : typed) {
        shown += letter;
        typeName(shown);
        ASSERT_TRUE(fileExists(shown)) << shown;
        EXPECT_FALSE(fileExists(previous)) << previous;
        // Line 1 of the file is always its file name, and the grid follows.
        EXPECT_EQ(fileLines(shown).at(0), shown);
        EXPECT_EQ(grid.names(), (Lines{shown}));
        previous = shown;
    }
    EXPECT_EQ(editor.workingcircuit().circuitname, "Legs");

    editor.edt_circuitnameExit();
    EXPECT_EQ(fileLines("Legs"), (Lines{"Legs", "Upper Body", "30", "15"}));
    EXPECT_EQ(grid.names(), (Lines{"Legs"}));
}

TEST_F(CircuitEditTest, clearingName_keepsFirstLetterFileAndRefusesFurtherChanges) {
    newCircuitWith({0, 1});
    typeName("Ab");
    editor.edt_circuitnameExit();
    typeName("A");
    typeName("");
    EXPECT_TRUE(fileExists("A"));
    EXPECT_FALSE(fileExists("Ab"));
    EXPECT_EQ(editor.workingcircuit().circuitname, "");
    const Lines before = fileLines("A");
    const std::string needsName = "Circuit needs a name before modifying it.";

    typeInterval(IntervalField::Exercise, "45");
    EXPECT_EQ(view.takeMessages(), Lines{needsName}); // shown once, not once per reaction
    EXPECT_EQ(view.exerciseText, "30");
    EXPECT_EQ(editor.workingcircuit().exerciseinterval, 30u);

    pickType(2);
    EXPECT_EQ(view.takeMessages(), Lines{needsName});
    EXPECT_EQ(view.type, 0);
    EXPECT_EQ(editor.workingcircuit().circuittype, "Upper Body");

    editor.btn_newexerciseClick();
    EXPECT_EQ(view.takeMessages(), Lines{needsName});
    EXPECT_EQ(view.lines.size(), 2u);

    // Moves happen on screen and in memory, then the store is refused.
    view.line = 1;
    editor.btn_moveupClick();
    EXPECT_EQ(view.takeMessages(), Lines{needsName});
    EXPECT_EQ(view.lines, (Lines{"Dip", "Push Up"}));

    editor.edt_circuitnameExit();
    EXPECT_TRUE(view.takeMessages().empty());
    EXPECT_FALSE(folder.exists("Circuits/.cir"));
    EXPECT_EQ(fileLines("A"), before);
}

TEST_F(CircuitEditTest, typeChoices_followThePickedTypeExactlyOrAllForMultipleArea) {
    newCircuitWith({0}); // exercises of another type stay in the circuit

    pickType(3);
    EXPECT_EQ(view.choices, (Lines{"Push Up", "Crunch", "Squat", "Side Plank", "Burpee", "Dip"}));
    EXPECT_EQ(view.choice, 0);
    EXPECT_EQ(fileLines("New Circuit").at(1), "Multiple Area Workout");

    pickType(1);
    EXPECT_EQ(view.choices, Lines{"Crunch"}); // "abdominal" is not "Abdominal"
    EXPECT_EQ(view.type, 1);

    view.choice = 0;
    editor.btn_newexerciseClick();
    EXPECT_EQ(fileLines("New Circuit"),
              (Lines{"New Circuit", "Abdominal", "30", "15", "Push Up", "Crunch"}));
    EXPECT_EQ(editor.workingcircuit().exercises[1].number, 20u);
}

TEST_F(CircuitEditTest, typingBeyondTheRange_endsClampedAndStored) {
    editor.newcircuit();
    for (const std::string text : {"2", "20", "200", "2000", "20000"})
        typeInterval(IntervalField::Exercise, text);
    EXPECT_EQ(view.exerciseText, "10000");
    EXPECT_EQ(editor.workingcircuit().exerciseinterval, 10000u);
    EXPECT_EQ(fileLines("New Circuit").at(2), "10000");

    typeInterval(IntervalField::Rest, "250000");
    EXPECT_EQ(view.restText, "100000");
    EXPECT_EQ(fileLines("New Circuit").at(3), "100000");
    typeInterval(IntervalField::Rest, "99999");
    EXPECT_EQ(fileLines("New Circuit").at(3), "99999");
}

TEST_F(CircuitEditTest, clearingAnIntervalField_endsWithOne) {
    editor.newcircuit();
    typeInterval(IntervalField::Exercise, "3");
    typeInterval(IntervalField::Exercise, "");
    EXPECT_EQ(view.exerciseText, "1");
    EXPECT_EQ(fileLines("New Circuit").at(2), "1");

    typeInterval(IntervalField::Rest, "-");
    EXPECT_EQ(view.restText, "1");
    EXPECT_EQ(fileLines("New Circuit").at(3), "1");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, intervalChange_rescansTheGrid) {
    editor.newcircuit();
    grid.cells.clear();
    typeInterval(IntervalField::Exercise, "40");
    EXPECT_EQ(grid.names(), Lines{"New Circuit"});
    EXPECT_EQ(grid.cell(3, 0), "0"); // no exercises yet
}

TEST_F(CircuitEditTest, movingTheEnds_changesNothingButStillStores) {
    newCircuitWith({0, 1});
    const Lines stored = fileLines("New Circuit");

    folder.writeFile("Circuits/New Circuit.cir", "");
    view.line = 0;
    editor.btn_moveupClick();
    EXPECT_EQ(fileLines("New Circuit"), stored);
    EXPECT_EQ(view.lines, (Lines{"Push Up", "Dip"}));
    EXPECT_EQ(view.line, 0);

    folder.writeFile("Circuits/New Circuit.cir", "");
    view.line = 1;
    editor.btn_movedownClick();
    EXPECT_EQ(fileLines("New Circuit"), stored);
    EXPECT_EQ(view.lines, (Lines{"Push Up", "Dip"}));

    folder.writeFile("Circuits/New Circuit.cir", "");
    view.line = -1;
    editor.btn_deleteClick();
    EXPECT_EQ(fileLines("New Circuit"), stored);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, movesAndRemoval_reorderEntriesWhole) {
    newCircuitWith({0, 1, 0});
    pickType(3);
    view.choice = 4; // Burpee
    editor.btn_newexerciseClick();
    ASSERT_EQ(view.lines, (Lines{"Push Up", "Dip", "Push Up", "Burpee"}));

    view.line = 3;
    editor.btn_moveupClick();
    EXPECT_EQ(view.lines, (Lines{"Push Up", "Dip", "Burpee", "Push Up"}));
    EXPECT_EQ(view.line, 2);
    EXPECT_EQ(editor.workingcircuit().exercises[2].number, 50u);

    view.line = 0;
    editor.btn_movedownClick();
    EXPECT_EQ(view.lines, (Lines{"Dip", "Push Up", "Burpee", "Push Up"}));
    EXPECT_EQ(view.line, 1);

    view.line = 1;
    editor.btn_deleteClick();
    EXPECT_EQ(view.lines, (Lines{"Dip", "Burpee", "Push Up"}));
    EXPECT_EQ(view.line, -1);
    EXPECT_EQ(editor.workingcircuit().exercises[3].number, 0u);
    EXPECT_EQ(fileLines("New Circuit"), (Lines{"New Circuit", "Multiple Area Workout", "30", "15",
                                               "Dip", "Burpee", "Push Up"}));
}

TEST_F(CircuitEditTest, removingTheOnlyExercise_leavesNoExerciseLines) {
    newCircuitWith({1});
    view.line = 0;
    editor.btn_deleteClick();
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(fileLines("New Circuit"), (Lines{"New Circuit", "Upper Body", "30", "15"}));
}

TEST_F(CircuitEditTest, openingStoredIntervalZero_showsAndStoresOne) {
    storeFile("Core.cir", "Core", "abdominal", 0, 20, {"Crunch", "Gone"});
    view.exerciseText = "45";

    editor.modifycircuit(path("Core"));

    EXPECT_EQ(view.exerciseText, "1");
    EXPECT_EQ(view.restText, "20");
    EXPECT_EQ(view.name, "Core");
    EXPECT_EQ(view.type, 1); // letter case ignored
    EXPECT_EQ(view.lines, (Lines{"Crunch", "Gone"}));
    EXPECT_EQ(view.choices, Lines{"Side Plank"}); // the stored type, exactly
    EXPECT_EQ(fileLines("Core"), (Lines{"Core", "abdominal", "1", "20", "Crunch", "Gone"}));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CircuitEditTest, opening_whenFileNameDiffersFromName_writesSecondFileAndKeepsOpened) {
    storeFile("download 7.cir", "Quick Legs", "Lower Body", 30, 15, {"Squat"});
    view.name = "Something";
    view.exerciseText = "30";
    view.restText = "15";

    editor.modifycircuit(path("download 7"));

    EXPECT_TRUE(fileExists("download 7"));
    EXPECT_EQ(fileLines("Quick Legs"), (Lines{"Quick Legs", "Lower Body", "30", "15", "Squat"}));
    EXPECT_FALSE(fileExists("Something"));
}

TEST_F(CircuitEditTest, openingUnreadableFile_raisesAndKeepsTheWorkingCircuit) {
    newCircuitWith({0});
    folder.writeFile("Circuits/Bad.cir", "Bad\r\nUpper Body\r\nthirty\r\n15\r\n");

    EXPECT_THROW(editor.modifycircuit(path("Bad")), IoError);
    EXPECT_THROW(editor.modifycircuit(path("Missing")), IoError);

    EXPECT_EQ(editor.workingcircuit().circuitname, "New Circuit");
    EXPECT_EQ(view.lines, Lines{"Push Up"});
}

TEST_F(CircuitEditTest, editingAnOpenedCircuit_storesUnderItsOwnFile) {
    storeFile("Core.cir", "Core", "Abdominal", 30, 15, {"Crunch"});
    editor.modifycircuit(path("Core"));
    view.choice = 0;
    editor.btn_newexerciseClick();
    typeInterval(IntervalField::Rest, "5");

    EXPECT_EQ(fileLines("Core"), (Lines{"Core", "Abdominal", "30", "5", "Crunch", "Crunch"}));
    EXPECT_TRUE(view.messages.empty());
    typeNameLetters("s");
    EXPECT_FALSE(fileExists("Core"));
    EXPECT_TRUE(fileExists("Cores"));
}
