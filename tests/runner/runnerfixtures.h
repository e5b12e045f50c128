#pragma once

#include "data/exercises.h"
#include "runner/runtext.h"
#include "runner/runwords.h"
#include "testsupport/tempfolder.h"

#include <cstdint>
#include <string>
#include <vector>

// A view's recorded English text against the text the run named.
inline bool operator==(const std::string& words, const RunText& text) {
    return words == RunWords::text(text);
}

// Circuit files and a small exercise library for the runner's tests.
namespace runnerfixtures {

// A circuit file as the editor writes it: name, type, the exercise seconds
// line, rest interval, then one exercise line per exercise. The seconds line
// may go on with circuit keys ("20 rounds=2 warmup=60"), an exercise line
// with a TAB and its own keys ("Push-Up\treps=15").
inline std::string keyedCircuitText(const std::string& name, const std::string& secondsLine,
                                    uint32_t restInterval,
                                    const std::vector<std::string>& exercises) {
    std::string text =
        name + "\r\nUpper Body\r\n" + secondsLine + "\r\n" + std::to_string(restInterval) + "\r\n";
    for (const auto& exercise : exercises)
        text += exercise + "\r\n";
    return text;
}

inline std::string circuitText(const std::string& name, uint32_t exerciseInterval,
                               uint32_t restInterval, const std::vector<std::string>& exercises) {
    return keyedCircuitText(name, std::to_string(exerciseInterval), restInterval, exercises);
}

// Writes the circuit under Circuits/ and returns its full path.
inline std::string writeCircuit(const TempFolder& folder, const std::string& file,
                                const std::string& text) {
    folder.writeFile("Circuits/" + file, text);
    return folder.path() + "Circuits/" + file;
}

// A fresh program-wide library: each exercise's description is "How to " +
// name; only the names listed as online have an encyclopedia page.
inline void setLibrary(const std::vector<std::string>& names,
                       const std::vector<std::string>& online = {}) {
    ExerciseTable& table = exercisetable();
    table = ExerciseTable{};
    for (size_t i = 0; i < names.size(); ++i) {
        TExercise& slot = table[static_cast<int>(i)];
        slot.number = static_cast<uint32_t>(i + 1);
        slot.name = names[i];
        slot.extype = "Upper Body";
        slot.description = "How to " + names[i];
        for (const auto& page : online)
            if (page == names[i])
                slot.online = 1;
    }
    table.librarysize = static_cast<int32_t>(names.size());
}

} // namespace runnerfixtures
