// The content server's sample folder against the starter data the program
// ships with: a first check for news on a fresh installation must add new
// exercises only, and every sample circuit must find its exercises.
#include "data/circuitfile.h"
#include "data/exercises.h"
#include "data/textreader.h"
#include "net/replycheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string kSample = STRIDEWELL_SOURCE_DIR "/contentserver/sample/";
const std::string kStarter = STRIDEWELL_SOURCE_DIR "/starter/";

TEST(ContentSample, sampleFolder_addsOnlyNewExercisesAndEveryCircuitFindsItsExercises) {
    ExerciseTable library;
    loadexercises(library, kStarter + "exercises.lst");
    ASSERT_GT(library.librarysize, 0);

    // The update counts an exercise as held only when all three texts match, so
    // a starter name with another description would arrive as a second copy.
    TextReader exercises(kSample + "newexercises.lst");
    int sampleExercises = 0;
    while (!exercises.atEnd()) {
        const std::string name = exercises.readLine();
        const std::string extype = exercises.readLine();
        const std::string description = exercises.readLine();
        EXPECT_EQ(findexercisebyname(library, name), kNoExercise)
            << name << " is a starter exercise";
        ASSERT_GE(addexercisefromupdate(library, name, extype, description), 0);
        ++sampleExercises;
    }
    EXPECT_GT(sampleExercises, 0);

    // Looked up in the starter library with the sample exercises added.
    int sampleCircuits = 0;
    bool sampleWithKeys = false;
    for (const auto& file : std::filesystem::directory_iterator(kSample + "circuits")) {
        const TCircuit2 circuit = readcircuit(file.path().string(), library);
        EXPECT_GT(circuit.exercisecount, 0) << file.path();
        for (int i = 0; i < circuit.exercisecount; ++i) {
            const TExercise2& entry = circuit.exercises[static_cast<size_t>(i)];
            EXPECT_NE(entry.number, static_cast<uint32_t>(kNoExercise))
                << file.path().filename() << " lists the unknown \"" << entry.name << "\"";
        }
        sampleWithKeys |= circuit.keys != CircuitKeys{};
        // What the update checks before it stores a fetched circuit.
        TextReader bytes(file.path().string());
        EXPECT_FALSE(checkcircuit(bytes.bytes(), "text/plain")) << file.path();
        ++sampleCircuits;
    }
    EXPECT_GT(sampleCircuits, 0);
    EXPECT_TRUE(sampleWithKeys) << "no sample circuit shows rounds, warm-up or the like";

    TextReader listed(kSample + "newcircuits.lst");
    while (!listed.atEnd()) {
        const std::string name = listed.readLine();
        EXPECT_TRUE(std::filesystem::is_regular_file(kSample + "circuits/" + name))
            << "newcircuits.lst names the missing \"" << name << "\"";
    }
}

} // namespace
