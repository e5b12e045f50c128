#include "datahelpers.h"
#include "data/exercisemerge.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ExerciseMerge merge(ExerciseTable& table, const std::string& list) {
    return mergeexerciselist(table, LineCursor(list.data(), list.data() + list.size()));
}

// A held group, a blank group and a group seen earlier in the same list are
// passed over; a difference in letter case, type or description alone makes
// a new exercise.
TEST(ExerciseMerge, onlyGroupsNotHeldInAllThreeTexts_areAddedInListOrder) {
    auto table = makeTable({{7, "Push Ups", "Upper Body", "Press the floor away", 0},
                            {12, "Squats", "Lower Body", "Sit back", 0}});
    const ExerciseMerge result = merge(*table, "Plank\r\nAbdominal\r\nHold still\r\n"
                                               "Push Ups\r\nUpper Body\r\nPress the floor away\r\n"
                                               "\r\n\r\n\r\n"
                                               "Plank\r\nAbdominal\r\nHold still\r\n"
                                               "plank\r\nAbdominal\r\nHold still\r\n"
                                               "Squats\r\nLower Body\r\nSit back!\r\n"
                                               "Squats\r\nCore\r\nSit back\r\n");
    EXPECT_EQ(result.added, 4);
    EXPECT_FALSE(result.libraryFull);
    ASSERT_EQ(table->librarysize, 6);
    const char* const names[] = {"Plank", "plank", "Squats", "Squats"};
    for (int i = 0; i < 4; ++i) {
        const TExercise& added = (*table)[2 + i];
        EXPECT_EQ(added.name, names[i]) << i;
        EXPECT_EQ(added.number, static_cast<uint32_t>(13 + i)) << i;
        EXPECT_EQ(added.online, 1) << i;
    }
    EXPECT_EQ((*table)[4].description, "Sit back!");
    EXPECT_EQ((*table)[5].extype, "Core");
    EXPECT_EQ((*table)[1].online, 0); // the held records stay as they were
}

TEST(ExerciseMerge, tableFillingUp_stopsAtTheLastSlotAndSaysSo) {
    std::vector<TExercise> records;
    for (uint32_t i = 1; i < kLibraryCapacity; ++i)
        records.push_back({i, "Exercise " + std::to_string(i), "Core", "", 0});
    auto table = makeTable(records);
    const ExerciseMerge result = merge(*table, "N1\r\nCore\r\nd\r\nN2\r\nCore\r\nd\r\n");
    EXPECT_EQ(result.added, 1);
    EXPECT_TRUE(result.libraryFull);
    EXPECT_EQ(table->librarysize, kLibraryCapacity);
    EXPECT_EQ((*table)[kLibraryCapacity - 1].name, "N1");
    EXPECT_EQ((*table)[kLibraryCapacity].number, 0U); // the spare slot stays empty

    // Full from the start: nothing added, and still reported as full.
    const ExerciseMerge again = merge(*table, "N3\r\nCore\r\nd\r\n");
    EXPECT_EQ(again.added, 0);
    EXPECT_TRUE(again.libraryFull);
    // A list of only held groups does not count as running out of room.
    EXPECT_FALSE(merge(*table, "N1\r\nCore\r\nd\r\n").libraryFull);
}

} // namespace
