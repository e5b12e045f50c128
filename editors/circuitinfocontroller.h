#pragma once

#include "data/circuitfile.h"
#include "data/exercises.h"
#include "editors/circuitinfoview.h"

#include <string>

// The circuit information panel's rules: one circuit's details and exercises,
// and the description and encyclopedia link of the exercise selected last. It
// only reads: no file and no table is changed here.
class CircuitInfoController final {
public:
    explicit CircuitInfoController(CircuitInfoView& view,
                                   const ExerciseTable& table = exercisetable());

    // Reads the circuit file and shows it. A file that cannot be read raises
    // IoError before anything changes. The description, the link and the
    // selected exercise stay as they were.
    void showcircuitinfo(const std::string& path);
    void lst_exercisesClick();
    void lbl_openbrowserClick();
    // The library changed: the record selected last may have moved or taken
    // another name or description, so none is shown until a line is selected.
    void libraryChanged();

    const TCircuit2& shownCircuit() const { return infocircuit; }
    int selectedExerciseSlot() const { return infoexercise; }

private:
    CircuitInfoView& m_view;
    const ExerciseTable& m_table;
    TCircuit2 infocircuit;
    TCircuit2 m_readCircuit; // read into, then swapped in: its storage is reused
    int infoexercise = 0; // slot of the exercise table of the line selected last
};
