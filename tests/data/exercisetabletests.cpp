#include "datahelpers.h"
#include "data/exercises.h"

#include <gtest/gtest.h>

namespace {

std::vector<TExercise> records(const std::vector<std::string>& names) {
    std::vector<TExercise> result;
    uint32_t number = 10;
    for (const std::string& name : names)
        result.push_back({number++, name, "Abdominal", name + " text", 0});
    return result;
}

std::unique_ptr<ExerciseTable> fullTable() {
    std::vector<std::string> names;
    for (int i = 0; i < kLibraryCapacity; ++i)
        names.push_back("E" + std::to_string(i));
    return makeTable(records(names));
}

TEST(ExerciseLookup, walksTheWholeTable) {
    auto table = makeTable(records({"Squat", "Plank", "Squat"}));
    // A record beyond librarysize, as a hand-edited table might hold.
    (*table)[300] = {77, "Hidden", "", "", 0};
    (*table)[500] = {88, "Spare", "", "", 0};

    EXPECT_EQ(findexercisebyname(*table, "Hidden"), 300);
    EXPECT_EQ(findexercisebynumber(*table, 77), 300);
    EXPECT_EQ(findexercisebyname(*table, "Squat"), 0); // duplicates: the lower slot
    EXPECT_EQ(findexercisebyname(*table, "Plank"), 1);
    EXPECT_EQ(findexercisebyname(*table, "squat"), kNoExercise);
    EXPECT_EQ(findexercisebyname(*table, "Squat "), kNoExercise);
    EXPECT_EQ(findexercisebynumber(*table, 12345), kNoExercise);
    // Slot 500 is never a match of its own: the answer is 500 either way.
    EXPECT_EQ(findexercisebyname(*table, "Spare"), kNoExercise);
    EXPECT_EQ(findexercisebynumber(*table, 88), kNoExercise);
    // The empty key lands on the first empty slot.
    EXPECT_EQ(findexercisebyname(*table, ""), 3);
    EXPECT_EQ(findexercisebynumber(*table, 0), 3);

    (*table)[1].number = 10; // shared numbers: the lower slot
    EXPECT_EQ(findexercisebynumber(*table, 10), 0);
}

TEST(ExerciseAdd, fromEditor_addsAfterTheLastRecordAndNumbersFromTheSlotBefore) {
    auto table = makeTable(records({"A", "B"})); // numbers 10, 11
    EXPECT_EQ(addexercisefromeditor(*table, "New Exercise", "Describe it"), 2);
    const TExercise& added = (*table)[2];
    EXPECT_EQ(added.number, 11u + 250u + 2u);
    EXPECT_EQ(added.name, "New Exercise");
    EXPECT_EQ(added.description, "Describe it");
    EXPECT_EQ(added.extype, "");
    EXPECT_EQ(added.online, 0);
    EXPECT_EQ(table->librarysize, 3);

    // A record without a name is still a record: New never overwrites it.
    (*table)[1].name.clear();
    (*table)[1].description = "Kept";
    (*table)[1].online = 1;
    EXPECT_EQ(addexercisefromeditor(*table, "After", ""), 3);
    EXPECT_EQ((*table)[3].number, added.number + 250u + 3u);
    EXPECT_EQ((*table)[1].description, "Kept");
    EXPECT_EQ((*table)[1].online, 1);
    EXPECT_EQ(table->librarysize, 4);

    auto empty = makeTable({});
    EXPECT_EQ(addexercisefromeditor(*empty, "First", ""), 0);
    EXPECT_NE((*empty)[0].number, 0u);
    EXPECT_EQ(empty->librarysize, 1);
}

TEST(ExerciseAdd, fromUpdate_appendsOnlineRecordNumberedAfterTheLast) {
    auto table = makeTable(records({"A", "B"}));
    EXPECT_EQ(addexercisefromupdate(*table, "Lunge", "Lower Body", "Step"), 2);
    const TExercise& added = (*table)[2];
    EXPECT_EQ(added.number, 12u);
    EXPECT_EQ(added.extype, "Lower Body");
    EXPECT_EQ(added.description, "Step");
    EXPECT_EQ(added.online, 1);
    EXPECT_EQ(table->librarysize, 3);

    auto empty = makeTable({});
    EXPECT_EQ(addexercisefromupdate(*empty, "First", "", ""), 0);
    EXPECT_NE((*empty)[0].number, 0u);
}

TEST(ExerciseAdd, numberPastTheLargest_neverWrapsToTheEmptyMarker) {
    auto table = makeTable(records({"A"}));
    (*table)[0].number = 0xFFFFFFFFu;
    ASSERT_EQ(addexercisefromupdate(*table, "B", "T", "D"), 1);
    EXPECT_NE((*table)[1].number, 0u);
    (*table)[1].number = 0xFFFFFFFFu - 251u; // + 250 + librarysize 2 wraps to 0
    ASSERT_EQ(addexercisefromeditor(*table, "C", "D"), 2);
    EXPECT_NE((*table)[2].number, 0u);
}

TEST(ExerciseAdd, fullTable_refusesBothPathsAndChangesNothing) {
    auto table = fullTable();
    EXPECT_EQ(addexercisefromeditor(*table, "X", "Y"), -1);
    EXPECT_EQ(addexercisefromupdate(*table, "X", "T", "Y"), -1);
    EXPECT_EQ(table->librarysize, kLibraryCapacity);
    EXPECT_EQ((*table)[500].number, 0u);
    EXPECT_EQ((*table)[500].name, "");
}

TEST(ExerciseRemove, recordsAfterTheSlotMoveDown) {
    auto table = makeTable(records({"A", "B", "C"}));
    removeexercise(*table, 1);
    EXPECT_EQ(table->librarysize, 2);
    EXPECT_EQ((*table)[0].name, "A");
    EXPECT_EQ((*table)[1].name, "C");
    EXPECT_EQ((*table)[1].description, "C text");
    EXPECT_EQ((*table)[2].number, 0u);
    EXPECT_EQ((*table)[2].name, "");

    removeexercise(*table, 5); // an empty slot: nothing changes
    EXPECT_EQ(table->librarysize, 2);
    EXPECT_EQ((*table)[1].name, "C");

    removeexercise(*table, 1); // the last record
    EXPECT_EQ(table->librarysize, 1);
    EXPECT_EQ((*table)[1].number, 0u);
    EXPECT_EQ((*table)[1].extype, "");
}

TEST(ExerciseRemove, recordNumberedZero_noRecordLostOrDoubled_lookupsFollow) {
    // A(1), B(0), C(3): the records are the slots below librarysize, whatever
    // their numbers, and the name lookup follows every change.
    auto table = makeTable({{1, "A", "T", "", 0}, {0, "B", "T", "", 0}, {3, "C", "T", "", 0}});
    EXPECT_EQ(findexercisebyname(*table, "C"), 2);
    removeexercise(*table, 0);
    ASSERT_EQ(table->librarysize, 2);
    EXPECT_EQ((*table)[0].name, "B");
    EXPECT_EQ((*table)[1].name, "C");
    EXPECT_EQ((*table)[2].name, "");
    EXPECT_EQ(findexercisebyname(*table, "C"), 1);
    EXPECT_EQ(findexercisebyname(*table, "A"), kNoExercise);
    EXPECT_EQ(findexercisebyname(*table, ""), 2); // the first empty slot
    addexercisefromupdate(*table, "A", "T", "");
    EXPECT_EQ(findexercisebyname(*table, "A"), 2);
    (*table)[0].name = "Renamed";
    EXPECT_EQ(findexercisebyname(*table, "Renamed"), 0);
    EXPECT_EQ(findexercisebyname(*table, "B"), kNoExercise);
}

TEST(ExerciseRemove, fullTable_emptiesSlot499AndKeepsTheSpareEmpty) {
    auto table = fullTable();
    removeexercise(*table, 0);
    EXPECT_EQ(table->librarysize, kLibraryCapacity - 1);
    EXPECT_EQ((*table)[0].name, "E1");
    EXPECT_EQ((*table)[498].name, "E499");
    EXPECT_EQ((*table)[499].number, 0u);
    EXPECT_EQ((*table)[500].number, 0u);
    // With room again, the editor's path fills the freed slot.
    EXPECT_EQ(addexercisefromeditor(*table, "Back", ""), 499);
}

} // namespace
