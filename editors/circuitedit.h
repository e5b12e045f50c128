#pragma once

#include "editors/circuiteditcontroller.h"
#include "editors/shareaction.h"
#include "editors/circuiteditview.h"
#include "ui/quietchanges.h"

#include <QWidget>

#include <functional>

#include <string>

class CircuitGrid;
class CircuitIntervalField;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The circuit editor frame: shows the working circuit and hands every event
// to the controller, which keeps the rules and stores each change at once.
class Tfrm_CircuitEdit final : public QWidget, private CircuitEditView {
    Q_OBJECT
public:
    explicit Tfrm_CircuitEdit(QWidget* parent = nullptr);

    // Both raise IoError to the caller when a file cannot be read or written.
    void newcircuit();
    void modifycircuit(const std::string& path);
    void setCatalogueGrid(CircuitGrid* grid);
    // The file at the path is about to be deleted; the editor lets it go
    // when it is the circuit being edited.
    void releaseifedited(const std::string& path);

    // Runs after each rescan the editor makes, with the path the circuit it
    // edits is stored at, so the catalogue's selection can follow it.
    std::function<void(const std::string& path)> onCatalogueRescanned;

    const TCircuit2& workingcircuit() const { return m_controller.workingcircuit(); }

    // A choice of the share menu, with the file of the circuit being edited
    // ("" while there is none).
    std::function<void(ShareAction, const std::string& circuitPath)> onShare;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Hidden: the editor is no longer the front frame, or its window closed.
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    void connectReactions();

    // CircuitEditView
    std::string nameText() const override;
    void setNameText(const std::string& text) override;
    void selectType(int index) override;
    std::string intervalText(IntervalField field) const override;
    void setIntervalText(IntervalField field, const std::string& text) override;
    void setChoices(const std::vector<std::string>& names) override;
    void selectChoice(int index) override;
    int selectedChoice() const override;
    void setExerciseLines(const std::vector<std::string>& names) override;
    void selectExerciseLine(int index) override;
    int selectedExerciseLine() const override;
    std::string storedWord(StoredWord word) const override;
    void showMessage(const EditorMessage& message) override;
    void showNameProblem(const EditorText& text) override;
    void setEditable(bool editable) override;
    void followInCatalogue(const std::string& path) override;
    void openCircuitPlan(const TCircuit2& circuit) override;

    CircuitIntervalField* field(IntervalField which) const;

    CircuitEditController m_controller;
    QuietChanges m_quiet;
    std::string m_shownName; // the bytes behind the name field's text

    QLabel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edt_circuitname = nullptr;
    QLabel* lbl_nameproblem = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cmb_circuittype = nullptr;
    QLabel* Label2 = nullptr;
    CircuitIntervalField* spn_exercise = nullptr;
    QLabel* Label3 = nullptr;
    CircuitIntervalField* spn_restint = nullptr;
    QPushButton* btn_circuitplan = nullptr;
    QPushButton* btn_share = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QListWidget* lst_circuitex = nullptr;
    QComboBox* cmb_exercises = nullptr;
    QPushButton* btn_newexercise = nullptr;
    QPushButton* btn_moveup = nullptr;
    QPushButton* btn_movedown = nullptr;
    QPushButton* btn_delete = nullptr;
};
