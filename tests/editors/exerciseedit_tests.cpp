#include "exerciseeditfixture.h"

#include "data/ioerror.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ExerciseEdit : public ExerciseEditFixture, public ::testing::Test {};

TEST_F(ExerciseEdit, load_fillsGridCountsRowsAndShowsFirstRecord) {
    loadLibrary(exerciseLibrary(3));

    EXPECT_EQ(view.rows, 3);
    EXPECT_EQ(view.current, 0);
    EXPECT_EQ(view.cells[2][0], "Exercise 2");
    EXPECT_EQ(view.cells[2][1], "Lower Body");
    EXPECT_EQ(view.cells[2][2], "Description of exercise 2");
    EXPECT_EQ(view.cells[3][0], "");
    EXPECT_EQ(view.name, "Exercise 0");
    EXPECT_EQ(view.type, "Upper Body");
    EXPECT_EQ(view.description, "Description of exercise 0");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(ExerciseEdit, namelessRecord_hasItsRowAndNewAddsAfterTheLastRecord) {
    loadLibrary(exerciseLibrary(2) + exerciseRecord(99, "", "Abdominal", "nameless", 1) +
                exerciseRecord(100, "After", "Abdominal", "x"));
    EXPECT_EQ(table->librarysize, 4);
    EXPECT_EQ(view.rows, 4); // a nameless record hides no record after it
    EXPECT_EQ(view.cells[3][0], "After");

    // New never takes the nameless record's slot.
    controller.btn_newexClick();
    EXPECT_EQ(table->librarysize, 5);
    EXPECT_EQ(slot(2).description, "nameless");
    EXPECT_EQ(slot(2).online, 1);
    EXPECT_EQ(slot(4).name, "New Exercise");
    EXPECT_EQ(view.current, 4);
    EXPECT_EQ(recordsInFile(libraryFile()), 5);
}

TEST_F(ExerciseEdit, load_fileOfMoreThan500_tellsOnceHowManyWereLoaded) {
    loadLibrary(exerciseLibrary(503));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("500"), std::string::npos);
    EXPECT_EQ(view.rows, 500);
    EXPECT_EQ(slot(500).number, 0u);

    folder.writeFile("exercises.lst", exerciseLibrary(503));
    controller.loadexercises();
    EXPECT_EQ(view.messages.size(), 1u);
    // Loading alone never rewrites the file: the records left out stay in it.
    EXPECT_EQ(recordsInFile(libraryFile()), 503);
}

TEST_F(ExerciseEdit, load_missingFile_raisesAndLeavesScreen) {
    loadLibrary(exerciseLibrary(2));
    std::filesystem::remove(folder.path() + "exercises.lst");
    const int writes = view.cellWrites;
    EXPECT_THROW(controller.loadexercises(), IoError);
    EXPECT_EQ(view.cellWrites, writes);
    EXPECT_EQ(view.rows, 2);
}

TEST_F(ExerciseEdit, refresh_sendsOnlyCellsThatChanged) {
    loadLibrary(exerciseLibrary(40));
    const int writes = view.cellWrites;
    view.description = "Changed";
    controller.mmo_exdescriptionChange();
    EXPECT_EQ(view.cellWrites, writes + 1);
    EXPECT_EQ(view.cells[0][2], "Changed");
}

TEST_F(ExerciseEdit, newOnLibraryOfN_fillsSlotNAndSelectsIt) {
    loadLibrary(exerciseLibrary(3));
    clickRow(1);
    controller.btn_newexClick();

    const TExercise& added = slot(3);
    EXPECT_EQ(added.number, 30u + 250u + 3u);
    EXPECT_EQ(added.name, "New Exercise");
    EXPECT_EQ(added.description, "Enter a description for your new exercise");
    EXPECT_EQ(added.extype, "");
    EXPECT_EQ(added.online, 0);
    EXPECT_EQ(table->librarysize, 4);
    EXPECT_EQ(table->selectedexercise, 3);
    EXPECT_EQ(view.rows, 4);
    EXPECT_EQ(view.current, 3);
    EXPECT_EQ(view.name, "New Exercise");
    EXPECT_EQ(view.type, "");
    EXPECT_EQ(view.description, "Enter a description for your new exercise");
    EXPECT_EQ(view.cells[3][0], "New Exercise");

    const std::string file = libraryFile();
    EXPECT_EQ(recordsInFile(file), 4);
    EXPECT_NE(
        file.find("283\r\nNew Exercise\r\n\r\nEnter a description for your new exercise\r\n0\r\n"),
        std::string::npos);
}

TEST_F(ExerciseEdit, newOnEmptyLibrary_getsNonZeroNumberInRowZero) {
    loadLibrary("");
    EXPECT_EQ(view.rows, 0);
    controller.btn_newexClick();
    EXPECT_NE(slot(0).number, 0u);
    EXPECT_EQ(view.rows, 1);
    EXPECT_EQ(view.current, 0);
    EXPECT_EQ(view.name, "New Exercise");
    EXPECT_EQ(recordsInFile(libraryFile()), 1);
}

TEST_F(ExerciseEdit, newOnFullLibrary_isRefusedAndChangesNothing) {
    loadLibrary(exerciseLibrary(500));
    const std::string before = libraryFile();
    clickRow(7);

    controller.btn_newexClick();

    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find("full"), std::string::npos);
    EXPECT_EQ(table->librarysize, 500);
    EXPECT_EQ(slot(500).number, 0u);
    EXPECT_EQ(slot(500).name, "");
    EXPECT_EQ(table->selectedexercise, 7);
    EXPECT_EQ(view.rows, 500);
    EXPECT_EQ(libraryFile(), before);
}

TEST_F(ExerciseEdit, newAfterUnshownUpdate_growsGridToShowTheRecord) {
    loadLibrary(exerciseLibrary(2));
    // The content update adds without refreshing the editor.
    addexercisefromupdate(*table, "Fetched", "Abdominal", "From the server");
    controller.btn_newexClick();
    EXPECT_EQ(slot(2).name, "Fetched");
    EXPECT_EQ(slot(3).name, "New Exercise");
    EXPECT_EQ(view.rows, 4);
    EXPECT_EQ(view.current, 3);
    EXPECT_EQ(recordsInFile(libraryFile()), 4);
}

TEST_F(ExerciseEdit, deleteLastRecord_emptiesSlotAndShowsRecordZero) {
    loadLibrary(exerciseLibrary(3));
    clickRow(2);

    controller.btn_deleteexClick();

    EXPECT_EQ(slot(2).number, 0u);
    EXPECT_EQ(slot(2).name, "");
    EXPECT_EQ(table->librarysize, 2);
    EXPECT_EQ(table->selectedexercise, 0);
    EXPECT_EQ(view.current, 0);
    EXPECT_EQ(view.rows, 2);
    EXPECT_EQ(view.name, "Exercise 0");
    EXPECT_EQ(view.cells[2][0], "");
    EXPECT_EQ(libraryFile(), exerciseLibrary(2));
}

TEST_F(ExerciseEdit, deleteWithRowZeroCurrent_showsRecordThatMovedUp) {
    loadLibrary(exerciseLibrary(3));

    controller.btn_deleteexClick();

    EXPECT_EQ(table->selectedexercise, 0);
    EXPECT_EQ(view.current, 0);
    EXPECT_EQ(slot(0).name, "Exercise 1");
    EXPECT_EQ(view.name, "Exercise 1");
    EXPECT_EQ(view.type, "Abdominal");
    EXPECT_EQ(view.description, "Description of exercise 1");
    EXPECT_EQ(view.rows, 2);
    EXPECT_EQ(recordsInFile(libraryFile()), 2);
    EXPECT_EQ(libraryFile().find("Exercise 0"), std::string::npos);
}

TEST_F(ExerciseEdit, delete_isSavedEvenWhenNoFieldChanges) {
    // Twins: after the first is deleted the fields show the same texts.
    loadLibrary(exerciseRecord(1, "Twin", "Abdominal", "Same") +
                exerciseRecord(2, "Twin", "Abdominal", "Same"));

    controller.btn_deleteexClick();

    EXPECT_EQ(libraryFile(), exerciseRecord(2, "Twin", "Abdominal", "Same"));
}

TEST_F(ExerciseEdit, deleteOnEmptyLibrary_changesNothing) {
    loadLibrary("");
    controller.btn_deleteexClick();
    EXPECT_EQ(view.rows, 0);
    EXPECT_EQ(table->librarysize, 0);
    EXPECT_EQ(libraryFile(), "");
}

TEST_F(ExerciseEdit, typingWithNoRecordSelected_storesNothingAndNewStillReachesTheFile) {
    loadLibrary("");
    view.name = "Ghost";
    controller.txt_exnameChange();
    view.description = "Nowhere";
    controller.mmo_exdescriptionChange();
    EXPECT_EQ(view.name, "");
    EXPECT_EQ(slot(0).name, "");
    EXPECT_EQ(libraryFile(), "");

    controller.btn_newexClick();
    EXPECT_EQ(recordsInFile(libraryFile()), 1);
    EXPECT_EQ(slot(0).name, "New Exercise");
}

TEST_F(ExerciseEdit, clearingName_keepsNameAndPutsItBack) {
    loadLibrary(exerciseLibrary(2));
    clickRow(1);

    view.name = "";
    controller.txt_exnameChange();

    EXPECT_EQ(slot(1).name, "Exercise 1");
    EXPECT_EQ(view.name, "Exercise 1");
    EXPECT_EQ(libraryFile(), exerciseLibrary(2));
}

TEST_F(ExerciseEdit, typingDescription_rewritesFileAtEachKeystroke) {
    loadLibrary(exerciseLibrary(2));
    clickRow(1);
    std::string typed = view.description;
    for (const char key : std::string("abc")) {
        typed += key;
        view.description = typed;
        controller.mmo_exdescriptionChange();
        EXPECT_EQ(slot(1).description, typed);
        EXPECT_EQ(view.cells[1][2], typed);
        EXPECT_NE(libraryFile().find("\r\n" + typed + "\r\n"), std::string::npos) << typed;
    }
    EXPECT_EQ(slot(0).description, "Description of exercise 0");
}

TEST_F(ExerciseEdit, pastedLineBreaks_becomeSpacesInFieldTableAndFile) {
    loadLibrary(exerciseLibrary(2));
    view.description = "Push up\r\nhold\nlower\rrest";
    controller.mmo_exdescriptionChange();
    EXPECT_EQ(slot(0).description, "Push up hold lower rest");
    EXPECT_EQ(view.description, "Push up hold lower rest");
    EXPECT_EQ(recordsInFile(libraryFile()), 2);
    const std::string first =
        exerciseRecord(10, "Exercise 0", "Upper Body", "Push up hold lower rest");
    EXPECT_EQ(libraryFile().substr(0, first.size()), first);
}

TEST_F(ExerciseEdit, pastedNameWithLineBreak_staysOneLine) {
    loadLibrary(exerciseLibrary(1));
    view.name = "Jump\nSquat";
    controller.txt_exnameChange();
    EXPECT_EQ(slot(0).name, "Jump Squat");
    EXPECT_EQ(view.name, "Jump Squat");
    EXPECT_EQ(recordsInFile(libraryFile()), 1);
}

TEST_F(ExerciseEdit, pastedNameWithTab_isRefusedAndTheNameStays) {
    loadLibrary(exerciseLibrary(1));
    view.name = "Jump\tSquat";
    controller.txt_exnameChange();
    EXPECT_EQ(slot(0).name, "Exercise 0");
    EXPECT_EQ(view.name, "Exercise 0");
    EXPECT_EQ(view.messages,
              std::vector<std::string>{"An exercise name cannot hold a tab character."});
    EXPECT_EQ(libraryFile(), exerciseLibrary(1));
}

TEST_F(ExerciseEdit, pickingType_storesItAndSaves) {
    loadLibrary(exerciseLibrary(2));
    clickRow(1);
    controller.txt_extypeChange("Multiple Area Workout");
    EXPECT_EQ(slot(1).extype, "Multiple Area Workout");
    EXPECT_EQ(view.cells[1][1], "Multiple Area Workout");
    EXPECT_EQ(view.type, "Multiple Area Workout");
    EXPECT_NE(libraryFile().find("Exercise 1\r\nMultiple Area Workout\r\n"), std::string::npos);
}

TEST_F(ExerciseEdit, failingSave_raisesAndKeepsTheChange) {
    loadLibrary(exerciseLibrary(2));
    // A folder in the file's place makes the replacing rename fail.
    std::filesystem::remove(folder.path() + "exercises.lst");
    std::filesystem::create_directory(folder.path() + "exercises.lst");
    view.description = "Kept";
    EXPECT_THROW(controller.mmo_exdescriptionChange(), IoError);
    EXPECT_EQ(slot(0).description, "Kept");
    EXPECT_EQ(view.cells[0][2], "Kept");
}

TEST_F(ExerciseEdit, renameOfAnExerciseCircuitsUse_asksOnceWhenDoneAndFollowsTheAnswer) {
    loadLibrary(exerciseLibrary(2));
    const std::string core = "Core\r\nAbdominal\r\n30\r\n10\r\nExercise 0\r\nExercise 1\r\n"
                             "Exercise 0\r\n";
    const std::string legs = "Exercise 0\nLower Body\n45\n15\nExercise 0\n";
    const std::string arms = "Arms\r\nUpper Body\r\n30\r\n10\r\nExercise 0";
    folder.writeFile("Circuits/core.cir", core);
    folder.writeFile("Circuits/legs.cir", legs);
    folder.writeFile("Circuits/arms.cir", arms);
    const auto type = [&](const std::string& name) {
        for (size_t letters = 1; letters <= name.size(); ++letters) {
            view.name = name.substr(0, letters);
            controller.txt_exnameChange();
        }
    };

    // No: every key is stored in the library, the circuits stay as they are.
    type("Plank");
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(view.libraryReports, 0);
    controller.txt_exnameExit();
    controller.txt_exnameExit(); // the frame left the front after the field was left
    ASSERT_EQ(view.questions,
              std::vector<std::string>{"3 circuits use \"Exercise 0\". Rename it to \"Plank\" in "
                                       "those circuits too?"});
    EXPECT_EQ(view.libraryReports, 1);
    EXPECT_EQ(folder.readFile("Circuits/core.cir"), core);
    EXPECT_EQ(folder.readFile("Circuits/legs.cir"), legs);
    EXPECT_EQ(folder.readFile("Circuits/arms.cir"), arms);

    // Yes, settled by selecting another row: only the exercise lines follow.
    clickRow(1);
    view.renameAnswer = true;
    type("Crunch");
    clickRow(0);
    EXPECT_EQ(view.questions.back(),
              "1 circuit uses \"Exercise 1\". Rename it to \"Crunch\" in that circuit too?");
    EXPECT_EQ(folder.readFile("Circuits/core.cir"),
              "Core\r\nAbdominal\r\n30\r\n10\r\nExercise 0\r\nCrunch\r\nExercise 0\r\n");
    EXPECT_EQ(folder.readFile("Circuits/legs.cir"), legs);

    // A name typed back to what it was asks nothing.
    clickRow(1);
    type("Crunches");
    type("Crunch");
    controller.txt_exnameExit();
    EXPECT_EQ(view.questions.size(), 2u);
}

TEST_F(ExerciseEdit, hover_highlightsOneImageAtATime) {
    controller.btn_saveMouseMove();
    EXPECT_TRUE(view.highlighted[0]);
    controller.btn_newexMouseMove();
    EXPECT_FALSE(view.highlighted[0]);
    EXPECT_TRUE(view.highlighted[1]);
    EXPECT_TRUE(controller.isHighlighted(ExerciseTool::New));
    controller.btn_deleteexMouseMove();
    EXPECT_FALSE(view.highlighted[1]);
    EXPECT_TRUE(view.highlighted[2]);
    controller.ToolBar1MouseMove();
    EXPECT_FALSE(view.highlighted[2]);
    EXPECT_FALSE(controller.isHighlighted(ExerciseTool::Delete));
}

} // namespace
