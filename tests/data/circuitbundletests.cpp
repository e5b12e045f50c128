// A circuit with its exercises as one file: written as documented, read back
// whole, and a cut, foreign, newer or damaged file refused.
#include "data/circuitbundle.h"
#include "data/ioerror.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

FileTextId refusalOf(const std::string& bytes) {
    try {
        readbundle(bytes, "/in/Legs.stridewell");
    } catch (const IoError& error) {
        EXPECT_EQ(error.words().args.at(0), "/in/Legs.stridewell");
        return error.words().id;
    }
    ADD_FAILURE() << "read: " << bytes.substr(0, 60);
    return FileTextId::Plain;
}

TEST(CircuitBundle, aCircuitTravelsWithTheRecordsItUses_asDocumented) {
    TempFolder folder;
    folder.writeFile("Circuits/Legs.cir", "Legs\r\nLower Body\r\n30 rounds=3\r\n10\r\nSquat\r\n"
                                          "Lunge\tsides=2\r\nSquat\r\nHop\r\n");
    auto library = std::make_unique<ExerciseTable>();
    (*library)[0] = {1000, "Squat", "Lower Body", "Sit back and stand up.", 1};
    (*library)[1] = {1250, "Lunge", "Lower Body", "Caf\xE9 step.", 0}; // Latin-1, as stored
    (*library)[2] = {1500, "Plank", "Abdominal", "Hold.", 1};           // not used
    library->librarysize = 3;

    const CircuitBundle bundle = bundlecircuit(folder.path() + "Circuits/Legs.cir", *library);
    const std::string bytes = bundlebytes(bundle);
    // Each record once, in the order first named; "Hop" is not in the library.
    EXPECT_EQ(bytes, "Stridewell circuit 1\n"
                     "circuit 8\nLegs\nLower Body\n30 rounds=3\n10\nSquat\nLunge\tsides=2\nSquat\nHop\n"
                     "exercise\nSquat\nLower Body\nSit back and stand up.\n1\n"
                     "exercise\nLunge\nLower Body\nCaf\xE9 step.\n0\n"
                     "end 2\n");

    // Read back whole, also with CR LF line ends and a byte-order mark.
    for (const std::string& form : {bytes, "\xEF\xBB\xBF" + bytes}) {
        std::string text = form;
        const CircuitBundle read = readbundle(text, "x");
        EXPECT_EQ(read.circuitLines, bundle.circuitLines);
        ASSERT_EQ(read.exercises.size(), 2u);
        EXPECT_EQ(read.exercises[1].description, "Caf\xE9 step.");
        EXPECT_EQ(read.exercises[0].online, 1);
        EXPECT_EQ(read.exercises[0].number, 0u) << "numbers are not carried";
    }
    std::string crlf;
    for (const char c : bytes)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(readbundle(crlf, "x").circuitLines, bundle.circuitLines);

    // Every cut of the file is refused, whatever line it ends on.
    for (size_t length = 0; length + 1 < bytes.size(); ++length) {
        const FileTextId id = refusalOf(bytes.substr(0, length));
        EXPECT_TRUE(id == FileTextId::BundleCut || id == FileTextId::BundleForeign ||
                    id == FileTextId::BundleDamaged)
            << length;
    }

    // A circuit the program would not read is not handed on.
    folder.writeFile("Circuits/Bad.cir", "Bad\r\nLower Body\r\n30 rounds=0\r\n10\r\nSquat\r\n");
    EXPECT_THROW(bundlecircuit(folder.path() + "Circuits/Bad.cir", *library), IoError);
}

TEST(CircuitBundle, foreignNewerDamagedOrHugeFiles_areRefusedWithTheirReason) {
    const std::string head = "Stridewell circuit 1\ncircuit 5\nLegs\nLower Body\n30\n10\nSquat\n";
    EXPECT_EQ(refusalOf("<html>a portal</html>"), FileTextId::BundleForeign);
    EXPECT_EQ(refusalOf("{\"title\": \"Legs\"}"), FileTextId::BundleForeign);
    EXPECT_EQ(refusalOf("Stridewell circuit 2\ncircuit 0\nend 0\n"), FileTextId::BundleNewer);
    EXPECT_EQ(refusalOf("Stridewell circuit 1\ncircuits 5\n"), FileTextId::BundleDamaged);
    EXPECT_EQ(refusalOf("Stridewell circuit 1\ncircuit 99999999999999\nLegs\n"),
              FileTextId::BundleCut);
    EXPECT_EQ(refusalOf(head + "exercise\nSquat\nLower Body\nDown.\nyes\nend 1\n"),
              FileTextId::BundleDamaged);
    EXPECT_EQ(refusalOf(head + "exercise\nSquat\nLower Body\nDown.\n1\nend 2\n"),
              FileTextId::BundleCut);
    EXPECT_EQ(refusalOf(head + "end 0\nmore\n"), FileTextId::BundleDamaged);
    EXPECT_EQ(refusalOf(head + "end 0\n" + std::string(kLargestBundle, '\n')),
              FileTextId::BundleTooLarge);
    EXPECT_NO_THROW(readbundle(head + "end 0\n\n\n", "x")) << "blank lines after the end";
}

} // namespace
