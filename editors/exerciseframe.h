#pragma once

#include "editors/exerciseeditcontroller.h"
#include "editors/exerciseeditview.h"
#include "ui/quietchanges.h"

#include <QWidget>

#include <string>

class ClickableLabel;
class ExerciseGridModel;
class ExerciseMemo;
class ExerciseToolBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// The exercise library editor: a grid of every exercise, the selected
// exercise's name, type and description, and a tool bar to save, add and
// delete. Every change goes into the exercise table and the library file at
// once. The rules live in ExerciseEditController; this frame only shows.
class Tfrm_ExerciseFrame final : public QWidget, private ExerciseEditView {
    Q_OBJECT
public:
    explicit Tfrm_ExerciseFrame(QWidget* parent = nullptr);

    // File errors reach the caller as IoError; the caller's guard reports them.
    void loadexercises();
    void saveexercises();
    void displayexercises();

signals:
    // The user is done with a change of the library (a rename settled, a
    // record added, changed or deleted): what shows its records elsewhere
    // shows them afresh.
    void libraryChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildHeads();
    void buildGrid();
    void buildFields();
    void buildToolBar();
    ClickableLabel* makeTool(const QString& name, int left, const QString& hint);
    QLabel* makeHolder(const QString& name, int left, const QString& pictureName);
    template <class Body> void react(Body&& body);

    // Event handlers.
    void grd_circuitsClick();
    void txt_exnameChange();
    void txt_exnameExit();
    void txt_extypeChange(int index);
    void mmo_exdescriptionChange();
    void btn_saveClick();
    void btn_newexClick();
    void btn_deleteexClick();

    // ExerciseEditView
    void setCell(int row, int column, const std::string& text) override;
    int rowCount() const override;
    void setRowCount(int rows) override;
    int currentRow() const override;
    void setCurrentRow(int row) override;
    bool setNameText(const std::string& text) override;
    std::string nameText() const override;
    void setTypeText(const std::string& type) override;
    bool setDescriptionText(const std::string& text) override;
    std::string descriptionText() const override;
    void showToolPicture(ExerciseTool tool, bool highlighted) override;
    std::string storedWord(StoredWord word) const override;
    void showMessage(const EditorText& text) override;
    bool askRenameInCircuits(const EditorText& question) override;
    void reportLibraryChange() override;

    ExerciseGridModel* m_gridModel = nullptr;
    QTableView* grd_circuits = nullptr;
    QLineEdit* txt_exname = nullptr;
    QComboBox* txt_extype = nullptr;
    ExerciseMemo* mmo_exdescription = nullptr;
    ExerciseToolBar* ToolBar1 = nullptr;
    ClickableLabel* btn_save = nullptr;
    ClickableLabel* btn_newex = nullptr;
    ClickableLabel* btn_deleteex = nullptr;
    QLabel* btn_save1 = nullptr;
    QLabel* btn_newex1 = nullptr;
    QLabel* btn_deleteex1 = nullptr;
    QLabel* btn_save2 = nullptr;
    QLabel* btn_newex2 = nullptr;
    QLabel* btn_deleteex2 = nullptr;

    // The bytes behind the two text fields, so a text the user left alone is
    // stored back byte for byte.
    std::string m_nameBytes;
    std::string m_descriptionBytes;
    // The program's own changes of a control set off nothing; the controller
    // runs the reaction itself.
    QuietChanges m_quiet;

    ExerciseEditController m_controller;
};
