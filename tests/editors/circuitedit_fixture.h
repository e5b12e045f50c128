#pragma once

#include "data/catalogue.h"
#include "editors/circuiteditcontroller.h"
#include "editors/circuiteditview.h"
#include "editors/editorwords.h"
#include "testsupport/tempfolder.h"
#include "ui/textconv.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// The editor's screen as plain values. Setters only show, like the real frame;
// texts are worded as the frame words them, in English.
class FakeCircuitEditView final : public CircuitEditView {
public:
    std::string name;
    int type = -1;
    std::string exerciseText = "30"; // the fields' initial values
    std::string restText = "15";
    std::vector<std::string> choices;
    int choice = -1;
    std::vector<std::string> lines;
    int line = -1;
    std::vector<std::string> messages;
    std::string nameProblem; // the refusal shown beside the name field
    bool editable = true;
    std::string followed;     // the path the catalogue was last asked to select
    std::string planOpenedOn; // the circuit the plan dialog was last opened on

    std::string nameText() const override { return name; }
    void setNameText(const std::string& text) override { name = text; }
    void selectType(int index) override { type = index; }
    std::string intervalText(IntervalField field) const override {
        return field == IntervalField::Exercise ? exerciseText : restText;
    }
    void setIntervalText(IntervalField field, const std::string& text) override {
        (field == IntervalField::Exercise ? exerciseText : restText) = text;
    }
    void setChoices(const std::vector<std::string>& names) override { choices = names; }
    void selectChoice(int index) override { choice = index; }
    int selectedChoice() const override { return choice; }
    void setExerciseLines(const std::vector<std::string>& names) override { lines = names; }
    void selectExerciseLine(int index) override { line = index; }
    int selectedExerciseLine() const override { return line; }
    std::string storedWord(StoredWord word) const override {
        return tobytes(EditorWords::storedWord(word));
    }
    void showMessage(const EditorMessage& message) override {
        messages.push_back(tobytes(EditorWords::message(message)));
    }
    void showNameProblem(const EditorText& text) override {
        nameProblem = tobytes(EditorWords::text(text));
    }
    void setEditable(bool on) override { editable = on; }
    void followInCatalogue(const std::string& path) override { followed = path; }
    void openCircuitPlan(const TCircuit2& circuit) override { planOpenedOn = circuit.circuitname; }

    std::vector<std::string> takeMessages() { return std::exchange(messages, {}); }
};

// A grid that only keeps its cells, counting the scans that reached it.
class RecordingGrid final : public CircuitGrid {
public:
    std::map<std::pair<int, int>, std::string> cells;
    void setcell(int column, int row, const std::string& text) override {
        cells[{column, row}] = text;
    }
    std::string cell(int column, int row) const;
    std::vector<std::string> names() const; // column 0 of the filled rows
};

// A temporary application folder, a small exercise library and an editor.
class CircuitEditTest : public ::testing::Test {
protected:
    CircuitEditTest();

    // The user's edits: set the field's text, then its reaction runs (only
    // when the text changed, as in the real field).
    void typeName(const std::string& text);
    void typeNameLetters(const std::string& text); // appends one letter at a time
    void typeInterval(IntervalField field, const std::string& text);
    void pickType(int index) { editor.cmb_circuittypeChange(index); }

    // Writes a circuit file directly, as another program or an earlier run would.
    void storeFile(const std::string& filename, const std::string& name, const std::string& type,
                   int exerciseInterval, int restInterval,
                   const std::vector<std::string>& exercises) const;
    std::vector<std::string> fileLines(const std::string& circuitName) const;
    bool fileExists(const std::string& circuitName) const;
    std::string path(const std::string& circuitName) const;

    // Starts a new circuit holding the given exercises (by choice position).
    void newCircuitWith(const std::vector<int>& choicePositions);

    TempFolder folder;
    ExerciseTable table;
    FakeCircuitEditView view;
    RecordingGrid grid;
    CircuitEditController editor{view, table};
};

std::vector<std::string> splitLines(const std::string& bytes);
