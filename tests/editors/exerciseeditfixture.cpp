#include "exerciseeditfixture.h"

#include <algorithm>

namespace {
const char* const kTypes[] = {"Upper Body", "Abdominal", "Lower Body", "Multiple Area Workout"};
}

std::string exerciseRecord(uint32_t number, const std::string& name, const std::string& type,
                           const std::string& description, int online) {
    return std::to_string(number) + "\r\n" + name + "\r\n" + type + "\r\n" + description + "\r\n" +
           std::to_string(online) + "\r\n";
}

std::string exerciseLibrary(int records) {
    std::string bytes;
    for (int i = 0; i < records; ++i)
        bytes +=
            exerciseRecord(static_cast<uint32_t>(10 * (i + 1)), "Exercise " + std::to_string(i),
                           kTypes[i % 4], "Description of exercise " + std::to_string(i));
    return bytes;
}

int recordsInFile(const std::string& bytes) {
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    return static_cast<int>(lines / 5);
}

ExerciseEditFixture::ExerciseEditFixture() {
    folder.makeApplicationFolder();
}

void ExerciseEditFixture::loadLibrary(const std::string& bytes) {
    folder.writeFile("exercises.lst", bytes);
    controller.loadexercises();
}

void ExerciseEditFixture::clickRow(int row) {
    view.current = row;
    controller.grd_circuitsClick();
}
