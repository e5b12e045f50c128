#include "circuitedit_fixture.h"

#include "data/circuitfile.h"

namespace {
void addRecord(ExerciseTable& table, uint32_t number, const std::string& name,
               const std::string& extype) {
    TExercise& slot = table[table.librarysize];
    slot.number = number;
    slot.name = name;
    slot.extype = extype;
    slot.description = name + " described";
    ++table.librarysize;
}
} // namespace

std::string RecordingGrid::cell(int column, int row) const {
    const auto found = cells.find({column, row});
    return found == cells.end() ? std::string() : found->second;
}

std::vector<std::string> RecordingGrid::names() const {
    std::vector<std::string> result;
    for (int row = 0; row < kCatalogueRows && !cell(0, row).empty(); ++row)
        result.push_back(cell(0, row));
    return result;
}

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (const char c : bytes) {
        if (c == '\n') {
            if (!current.empty() && current.back() == '\r')
                current.pop_back();
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

CircuitEditTest::CircuitEditTest() {
    folder.makeApplicationFolder();
    addRecord(table, 10, "Push Up", "Upper Body");
    addRecord(table, 20, "Crunch", "Abdominal");
    addRecord(table, 30, "Squat", "Lower Body");
    addRecord(table, 40, "Side Plank", "abdominal"); // letter case differs
    addRecord(table, 50, "Burpee", "Multiple Area Workout");
    addRecord(table, 60, "Untyped", "");
    addRecord(table, 70, "Dip", "Upper Body");
    editor.setCatalogueGrid(&grid);
}

void CircuitEditTest::typeName(const std::string& text) {
    if (view.name == text)
        return;
    view.name = text;
    editor.edt_circuitnameChange();
}

void CircuitEditTest::typeNameLetters(const std::string& text) {
    for (const char c : text)
        typeName(view.name + c);
}

void CircuitEditTest::typeInterval(IntervalField field, const std::string& text) {
    if (view.intervalText(field) == text)
        return;
    view.setIntervalText(field, text);
    if (field == IntervalField::Exercise)
        editor.spn_exerciseChange();
    else
        editor.spn_restintChange();
}

void CircuitEditTest::storeFile(const std::string& filename, const std::string& name,
                                const std::string& type, int exerciseInterval, int restInterval,
                                const std::vector<std::string>& exercises) const {
    std::string bytes = name + "\r\n" + type + "\r\n" + std::to_string(exerciseInterval) + "\r\n" +
                        std::to_string(restInterval) + "\r\n";
    for (const std::string& exercise : exercises)
        bytes += exercise + "\r\n";
    folder.writeFile("Circuits/" + filename, bytes);
}

std::vector<std::string> CircuitEditTest::fileLines(const std::string& circuitName) const {
    return splitLines(folder.readFile("Circuits/" + circuitName + ".cir"));
}

bool CircuitEditTest::fileExists(const std::string& circuitName) const {
    return folder.exists("Circuits/" + circuitName + ".cir");
}

std::string CircuitEditTest::path(const std::string& circuitName) const {
    return folder.path() + "Circuits/" + circuitName + ".cir";
}

void CircuitEditTest::newCircuitWith(const std::vector<int>& choicePositions) {
    editor.newcircuit();
    for (const int position : choicePositions) {
        view.choice = position;
        editor.btn_newexerciseClick();
    }
}
