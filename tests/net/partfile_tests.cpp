#include "net/partfile.h"

#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
size_t filesIn(const std::string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}
} // namespace

TEST(PartFile, commitWithoutReplace_keepsAFileThatAppearedMeanwhile) {
    TempFolder folder;
    const std::string target = folder.path() + "Circuits/Arms.cir";
    PartFile part;
    ASSERT_TRUE(part.create(target));
    ASSERT_TRUE(part.write("fetched\r\n", 9));
    folder.writeFile("Circuits/Arms.cir", "the user's own\r\n");

    EXPECT_FALSE(part.commit(false));
    EXPECT_EQ(folder.readFile("Circuits/Arms.cir"), "the user's own\r\n");
    EXPECT_EQ(filesIn(folder.path() + "Circuits"), 1U); // no part file left
}

TEST(PartFile, commitWithoutReplace_storesWhenTheNameIsStillFree) {
    TempFolder folder;
    PartFile part;
    ASSERT_TRUE(part.create(folder.path() + "Circuits/Legs.cir"));
    ASSERT_TRUE(part.write("fetched\r\n", 9));
    EXPECT_TRUE(part.commit(false));
    EXPECT_EQ(folder.readFile("Circuits/Legs.cir"), "fetched\r\n");
    EXPECT_EQ(filesIn(folder.path() + "Circuits"), 1U);
}
