#pragma once

#include "editors/editortext.h"

#include <string>
#include <vector>

struct TCircuit2;

enum class IntervalField { Exercise, Rest };

// What the circuit editor's rules need of its screen. Every setter only shows:
// it never runs a change reaction, the controller runs those itself. Texts are
// the file's bytes; the view converts them for display and words the ids.
class CircuitEditView {
public:
    virtual ~CircuitEditView() = default;

    virtual std::string nameText() const = 0;
    virtual void setNameText(const std::string& text) = 0;

    virtual void selectType(int index) = 0; // -1: no entry selected

    virtual std::string intervalText(IntervalField field) const = 0;
    virtual void setIntervalText(IntervalField field, const std::string& text) = 0;

    // The exercises that may be added.
    virtual void setChoices(const std::vector<std::string>& names) = 0;
    virtual void selectChoice(int index) = 0; // -1: none
    virtual int selectedChoice() const = 0;

    // The circuit's exercises.
    virtual void setExerciseLines(const std::vector<std::string>& names) = 0;
    virtual void selectExerciseLine(int index) = 0; // -1: none
    virtual int selectedExerciseLine() const = 0;

    // The word the editor stores, in the user's language, as bytes: the
    // type list shows the same words in the order of kTypeWords.
    virtual std::string storedWord(StoredWord word) const = 0;

    virtual void showMessage(const EditorMessage& message) = 0;

    // Why the name being typed cannot be taken, shown beside the name field
    // so typing goes on undisturbed; an empty text hides it.
    virtual void showNameProblem(const EditorText& text) = 0;
    // False while there is no circuit to edit: the fields take no input.
    virtual void setEditable(bool editable) = 0;
    // The editor rescanned the catalogue; the circuit it edits is stored at
    // this path, so the catalogue's selection can follow it.
    virtual void followInCatalogue(const std::string& path) = 0;
    // Opens the circuit plan dialog on this circuit; OK comes back through
    // CircuitEditController::storeplan.
    virtual void openCircuitPlan(const TCircuit2& circuit) = 0;
};
