#pragma once

#include "data/circuitfile.h"
#include "data/circuitkeys.h"
#include "editors/circuitplanview.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Stores the circuit with these keys, one EntryKeys per exercise entry in
// order; false when it was not stored (and the user was told why).
using PlanStore =
    std::function<bool(const CircuitKeys& keys, const std::vector<EntryKeys>& entries)>;

// The rules of the circuit plan dialog: rounds, the rest between rounds,
// warm-up and cool-down, and each entry's rest, work, repetitions and sides.
// It edits a copy; nothing reaches the circuit until OK hands the keys to the
// store, and Cancel simply drops the copy.
//
// A cell holds a whole number or nothing. Nothing is the circuit's value: its
// rest or exercise interval, a timed exercise, one side. A number equal to
// the circuit's value is that value too, as the file keeps it ("30" typed in
// the Work cell of a 30-second circuit shows the circuit's 30, greyed). Any
// other text is refused: the cell shows it marked, the problem names the
// exercise and the column, and OK stores nothing until it is mended.
class CircuitPlanController final {
public:
    CircuitPlanController(CircuitPlanView& view, const TCircuit2& circuit, PlanStore store);

    // Fills the fields and the table from the circuit.
    void show();
    void cellEdited(int row, PlanColumn column, const std::string& text);
    void btn_okClick();

private:
    struct Row {
        std::string name;
        EntryKeys keys;
        std::array<std::optional<std::string>, kPlanColumns> refused; // the text refused
    };

    void showCell(int row, PlanColumn column);
    PlanCell cell(const Row& row, PlanColumn column) const;
    PlanProblem problemOf(const Row& row, PlanColumn column) const;
    std::optional<uint32_t> circuitvalue(PlanColumn column) const;
    // The first refused cell's problem; empty when every cell is fine.
    PlanProblem firstProblem(int* row = nullptr, PlanColumn* column = nullptr) const;

    CircuitPlanView& m_view;
    PlanStore m_store;
    CircuitKeys m_keys;
    uint32_t m_restinterval;
    uint32_t m_exerciseinterval;
    std::vector<Row> m_rows;
};
