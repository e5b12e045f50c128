#pragma once

#include <cstdint>
#include <string>

// The four fields above the table of the circuit plan dialog.
enum class PlanField { Rounds, RoundRest, WarmUp, CoolDown };

// The table's columns, left to right: one row per exercise entry.
enum class PlanColumn { Exercise, Rest, Work, Reps, Sides };
inline constexpr int kPlanColumns = 5;

// What one cell shows. A cell the entry leaves to the circuit shows the
// circuit's value greyed; its editor opens empty.
struct PlanCell {
    enum class Look { Own, Circuits, Refused };
    std::string text; // the file's bytes
    Look look = Look::Own;
    bool operator==(const PlanCell&) const = default;
};

// Why a cell's text was refused: the exercise's name and the text as typed,
// trimmed, are shown as written; the column also says what an empty cell
// stands for. Kind None: nothing is refused.
struct PlanProblem {
    enum class Kind { None, NotWholeNumber, OutOfRange };
    Kind kind = Kind::None;
    std::string exercise; // the entry's name
    PlanColumn column = PlanColumn::Exercise;
    std::string text;
    uint32_t low = 0; // the whole numbers the column takes
    uint32_t high = 0;

    bool empty() const { return kind == Kind::None; }
};

// What the circuit plan's rules need of the dialog. Setters only show.
class CircuitPlanView {
public:
    virtual ~CircuitPlanView() = default;

    // Seconds, rounds as a count; RoundRest shows -1 as "none".
    virtual void setFieldValue(PlanField field, int value) = 0;
    virtual int fieldValue(PlanField field) const = 0;

    virtual void setRowCount(int rows) = 0;
    virtual void setCell(int row, PlanColumn column, const PlanCell& cell) = 0;
    virtual void selectCell(int row, PlanColumn column) = 0;

    // Why a cell's text was refused, shown below the table; empty hides it.
    virtual void showProblem(const PlanProblem& problem) = 0;
    virtual void showMessage(const PlanProblem& problem) = 0;
    // The plan was stored: the dialog goes.
    virtual void closeStored() = 0;
};
