#pragma once

#include "data/exercises.h"
#include "editors/exerciseeditview.h"

#include <array>
#include <optional>
#include <string>

// The rules of the exercise library editor: what each action on the grid, the
// three fields and the tool images does to the exercise table and its file.
//
// A field's change reaction runs whenever the text the field shows changes,
// whoever set it; the type list's reaction runs only on the user's pick. The
// view sets texts quietly and the controller runs the nested reaction itself,
// so a refresh that changes the name field stores the record's own name back
// and saves again.
class ExerciseEditController final {
public:
    static constexpr int kGridRows = 500;
    static constexpr int kGridColumns = 3;

    ExerciseEditController(ExerciseEditView& view, ExerciseTable& table);

    // Reads exercises.lst into the table, refreshes and sets the row count to
    // the rows that show a record. File errors reach the caller as IoError.
    void loadexercises();
    void saveexercises();
    void displayexercises();

    void grd_circuitsClick();
    void txt_exnameChange();
    // The user is done with the name: the field was left, Return was pressed,
    // the frame left the front, or another record is about to be selected. A
    // rename of an exercise that circuits list is settled here, with one
    // question, not on each keystroke; then the library change is reported.
    void txt_exnameExit();
    void txt_extypeChange(const std::string& chosen);
    void mmo_exdescriptionChange();

    void btn_saveClick();
    void btn_newexClick();
    void btn_deleteexClick();

    void btn_saveMouseMove();
    void btn_newexMouseMove();
    void btn_deleteexMouseMove();
    void ToolBar1MouseMove();

    bool isHighlighted(ExerciseTool tool) const;

private:
    bool selectsRecord() const;
    TExercise& selectedRecord();
    void showSelectedRecord();
    void setNameField(const std::string& text);
    void setDescriptionField(const std::string& text);
    bool makeRowCurrent(int row);
    int rowsShowingRecords() const;
    void hoverTool(ExerciseTool tool);
    void setHighlighted(ExerciseTool tool, bool on);
    void settleRename();

    // A name changed since the user was last done with it.
    struct Rename {
        int slot;
        std::string from;
    };

    ExerciseEditView& m_view;
    ExerciseTable& m_table;
    // What the grid shows, so a refresh only sends the cells that changed.
    std::array<std::array<std::string, kGridColumns>, kGridRows> m_cells{};
    std::array<bool, 3> m_highlighted{};
    bool m_toldTruncation = false;
    std::optional<Rename> m_rename;
    bool m_changeUnreported = false;
};
