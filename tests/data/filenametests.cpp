#include "data/filenames.h"

#include <gtest/gtest.h>

TEST(PlainFileName, acceptsOrdinaryNamesAndRefusesAnythingThatLeavesTheFolder) {
    EXPECT_TRUE(isplainfilename("Morning Run.cir"));
    EXPECT_TRUE(isplainfilename(".hidden.cir"));
    EXPECT_TRUE(isplainfilename("Caf\xc3\xa9 Circuit.cir"));

    EXPECT_FALSE(isplainfilename(""));
    EXPECT_FALSE(isplainfilename("."));
    EXPECT_FALSE(isplainfilename(".."));
    EXPECT_FALSE(isplainfilename("..."));
    EXPECT_FALSE(isplainfilename("../exercises.lst"));
    EXPECT_FALSE(isplainfilename("sub/name.cir"));
    EXPECT_FALSE(isplainfilename("sub\\name.cir"));
    EXPECT_FALSE(isplainfilename("tab\there.cir"));
    EXPECT_FALSE(isplainfilename("line\r"));
    EXPECT_FALSE(isplainfilename("del\x7f.cir"));
}
