#pragma once

// A fake screen and a temporary application folder for the exercise library
// editor's rules.

#include "data/exercises.h"
#include "editors/editorwords.h"
#include "editors/exerciseeditcontroller.h"
#include "testsupport/tempfolder.h"
#include "ui/textconv.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class FakeExerciseView final : public ExerciseEditView {
public:
    std::array<std::array<std::string, 3>, 500> cells{};
    int rows = 500; // the grid's design row count
    int current = -1;
    std::string name, type, description;
    std::array<bool, 3> highlighted{};
    std::vector<std::string> messages;
    int cellWrites = 0;
    std::vector<std::string> questions;
    bool renameAnswer = false;
    int libraryReports = 0;

    void setCell(int row, int column, const std::string& text) override {
        cells.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
        ++cellWrites;
    }
    int rowCount() const override { return rows; }
    void setRowCount(int count) override {
        rows = count;
        if (current >= rows)
            current = rows - 1;
    }
    int currentRow() const override { return current; }
    void setCurrentRow(int row) override {
        if (row < rows)
            current = row;
    }
    bool setNameText(const std::string& text) override { return replace(name, text); }
    std::string nameText() const override { return name; }
    void setTypeText(const std::string& text) override { type = text; }
    bool setDescriptionText(const std::string& text) override { return replace(description, text); }
    std::string descriptionText() const override { return description; }
    void showToolPicture(ExerciseTool tool, bool on) override {
        highlighted.at(static_cast<size_t>(tool)) = on;
    }
    std::string storedWord(StoredWord word) const override {
        return tobytes(EditorWords::storedWord(word));
    }
    // Worded as the frame words them, in English.
    void showMessage(const EditorText& text) override {
        messages.push_back(tobytes(EditorWords::text(text)));
    }
    bool askRenameInCircuits(const EditorText& question) override {
        questions.push_back(tobytes(EditorWords::text(question)));
        return renameAnswer;
    }
    void reportLibraryChange() override { ++libraryReports; }

private:
    static bool replace(std::string& field, const std::string& text) {
        const bool changed = field != text;
        field = text;
        return changed;
    }
};

// One record as its five lines of exercises.lst.
std::string exerciseRecord(uint32_t number, const std::string& name, const std::string& type,
                           const std::string& description, int online = 0);

// A library of n records: "Exercise i", types cycling through the four
// items, numbers 10, 20, 30 ...
std::string exerciseLibrary(int records);

// How many records a library file holds (five lines each).
int recordsInFile(const std::string& bytes);

class ExerciseEditFixture {
protected:
    ExerciseEditFixture();

    // Writes the library file and loads it through the controller.
    void loadLibrary(const std::string& bytes);
    std::string libraryFile() const { return folder.readFile("exercises.lst"); }
    TExercise& slot(int index) { return (*table)[index]; }

    // The user makes a row current.
    void clickRow(int row);

    TempFolder folder;
    std::unique_ptr<ExerciseTable> table = std::make_unique<ExerciseTable>();
    FakeExerciseView view;
    ExerciseEditController controller{view, *table};
};
