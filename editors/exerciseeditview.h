#pragma once

#include "editors/editortext.h"

#include <string>

enum class ExerciseTool { Save, New, Delete };

// What the exercise library editor's rules need from its screen. Texts are the
// file's bytes; the view converts them for display and words the ids.
//
// Every setter works quietly: it never calls back into the controller. The
// controller itself runs the reaction that a change of a field's text sets off.
class ExerciseEditView {
public:
    virtual ~ExerciseEditView() = default;

    // The grid: 500 rows of name, type and description cells.
    virtual void setCell(int row, int column, const std::string& text) = 0;
    virtual int rowCount() const = 0;
    virtual void setRowCount(int rows) = 0;
    virtual int currentRow() const = 0; // -1 while no row is current
    virtual void setCurrentRow(int row) = 0;

    // The fields. The text setters report whether the text the field shows
    // changed: setting the text it already shows changes nothing.
    virtual bool setNameText(const std::string& text) = 0;
    virtual std::string nameText() const = 0;
    virtual void setTypeText(const std::string& type) = 0; // selects the matching item, or none
    virtual bool setDescriptionText(const std::string& text) = 0;
    virtual std::string descriptionText() const = 0;

    virtual void showToolPicture(ExerciseTool tool, bool highlighted) = 0;
    // The word the editor stores, in the user's language, as bytes.
    virtual std::string storedWord(StoredWord word) const = 0;
    virtual void showMessage(const EditorText& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askRenameInCircuits(const EditorText& question) = 0;
    // The library changed since the last report: whatever shows its records elsewhere (the
    // circuit information panel) shows them afresh.
    virtual void reportLibraryChange() = 0;
};
