#include "editors/exercisetext.h"

#include <gtest/gtest.h>

TEST(ExerciseOneLine, eachLineBreakBecomesOneSpace) {
    EXPECT_EQ(exerciseoneline("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(exerciseoneline("a\n\nb"), "a  b");
    EXPECT_EQ(exerciseoneline("\r\n"), " ");
    EXPECT_EQ(exerciseoneline("\n\r"), "  ");
    EXPECT_EQ(exerciseoneline("plain \xE9 text"), "plain \xE9 text");
    EXPECT_EQ(exerciseoneline(""), "");
}
