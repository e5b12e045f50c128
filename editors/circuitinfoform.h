#pragma once

#include "circuitfile.h"

#include <QWidget>

#include <string>

class ClickableLabel;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;

// The circuit information panel: one circuit's details and exercises, and the
// description of the exercise selected last. It only reads.
class Tfrm_CircuitInfo final : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_CircuitInfo(QWidget* parent = nullptr);

    // Reads the circuit file and shows it. A file that cannot be read raises
    // IoError before anything changes.
    void showcircuitinfo(const std::string& path);
    void lst_exercisesClick();
    void lbl_openbrowserClick();

    const TCircuit2& shownCircuit() const { return infocircuit; }
    int selectedExerciseSlot() const { return infoexercise; }

private:
    void createControls();

    TCircuit2 infocircuit;
    int infoexercise = 0; // slot of the exercise table of the line selected last

    QLabel* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* lbl_CircName = nullptr;
    QLabel* lbl_CircType = nullptr;
    QLabel* lbl_Exercises = nullptr;
    QLabel* lbl_totCTime = nullptr;
    QLabel* lbl_RestTime = nullptr;
    QLabel* lbl_exInterval = nullptr;
    QListWidget* lst_exercises = nullptr;
    QPlainTextEdit* mmo_exdescription = nullptr;
    ClickableLabel* lbl_openbrowser = nullptr;
};
