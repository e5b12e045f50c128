#include "editors/circuitplancontroller.h"

#include "data/texttrim.h"

#include <algorithm>
#include <utility>

namespace {
struct CellRange {
    uint32_t low = 0;
    uint32_t high = 0;
};

CellRange rangeof(PlanColumn column) {
    switch (column) {
    case PlanColumn::Rest:
        return {0, kMaxKeySeconds};
    case PlanColumn::Work:
        return {1, kMaxKeySeconds};
    case PlanColumn::Reps:
        return {1, kMaxReps};
    case PlanColumn::Sides:
        return {1, 2};
    case PlanColumn::Exercise:
        break;
    }
    return {};
}

// A whole number of at most 9 digits: "040" -> 40; "4 0", "-1", "1.5", "" -> nothing.
std::optional<uint32_t> wholenumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}

bool isnumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Nothing: the entry leaves the column to the circuit.
void setkey(EntryKeys& keys, PlanColumn column, std::optional<uint32_t> value) {
    switch (column) {
    case PlanColumn::Rest:
        keys.rest = value;
        break;
    case PlanColumn::Work:
        keys.work = value;
        break;
    case PlanColumn::Reps:
        keys.reps = value;
        break;
    case PlanColumn::Sides:
        keys.sides = value.value_or(1);
        break;
    case PlanColumn::Exercise:
        break;
    }
}

// A field's value from a key, kept inside the field's range.
int fieldvalue(uint32_t value, uint32_t low, uint32_t high) {
    return static_cast<int>(std::clamp(value, low, high));
}

// A key from a field's value, kept inside the key's range.
uint32_t keyvalue(int value, uint32_t low, uint32_t high) {
    return std::clamp(static_cast<uint32_t>(std::max(value, 0)), low, high);
}
} // namespace

CircuitPlanController::CircuitPlanController(CircuitPlanView& view, const TCircuit2& circuit,
                                             PlanStore store)
    : m_view(view), m_store(std::move(store)), m_keys(circuit.keys),
      m_restinterval(circuit.restinterval), m_exerciseinterval(circuit.exerciseinterval) {
    for (const TExercise2& entry : circuit.exercises) {
        if (entry.number == 0)
            break; // the writer's end of the list
        m_rows.push_back(Row{entry.name, entry.keys, {}});
    }
}

void CircuitPlanController::show() {
    m_view.setFieldValue(PlanField::Rounds, fieldvalue(m_keys.rounds, 1, kMaxRounds));
    m_view.setFieldValue(PlanField::RoundRest,
                         m_keys.roundrest ? fieldvalue(*m_keys.roundrest, 0, kMaxKeySeconds) : -1);
    m_view.setFieldValue(PlanField::WarmUp, fieldvalue(m_keys.warmup, 0, kMaxKeySeconds));
    m_view.setFieldValue(PlanField::CoolDown, fieldvalue(m_keys.cooldown, 0, kMaxKeySeconds));
    m_view.setRowCount(static_cast<int>(m_rows.size()));
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row)
        for (int column = 0; column < kPlanColumns; ++column)
            showCell(row, static_cast<PlanColumn>(column));
    m_view.showProblem({});
}

PlanCell CircuitPlanController::cell(const Row& row, PlanColumn column) const {
    using Look = PlanCell::Look;
    if (const auto& refused = row.refused[static_cast<size_t>(column)])
        return {*refused, Look::Refused};
    const EntryKeys& keys = row.keys;
    switch (column) {
    case PlanColumn::Exercise:
        return {row.name, Look::Own};
    case PlanColumn::Rest:
        return keys.rest ? PlanCell{std::to_string(*keys.rest), Look::Own}
                         : PlanCell{std::to_string(m_restinterval), Look::Circuits};
    case PlanColumn::Work:
        return keys.work ? PlanCell{std::to_string(*keys.work), Look::Own}
                         : PlanCell{std::to_string(m_exerciseinterval), Look::Circuits};
    case PlanColumn::Reps:
        return keys.reps ? PlanCell{std::to_string(*keys.reps), Look::Own}
                         : PlanCell{{}, Look::Circuits};
    case PlanColumn::Sides:
        return keys.sides != 1 ? PlanCell{std::to_string(keys.sides), Look::Own}
                               : PlanCell{"1", Look::Circuits};
    }
    return {};
}

void CircuitPlanController::showCell(int row, PlanColumn column) {
    m_view.setCell(row, column, cell(m_rows[static_cast<size_t>(row)], column));
}

PlanProblem CircuitPlanController::problemOf(const Row& row, PlanColumn column) const {
    const auto& refused = row.refused[static_cast<size_t>(column)];
    if (!refused)
        return {};
    const CellRange range = rangeof(column);
    std::string text(trimmed(*refused));
    const auto kind =
        isnumber(text) ? PlanProblem::Kind::OutOfRange : PlanProblem::Kind::NotWholeNumber;
    return {kind, row.name, column, std::move(text), range.low, range.high};
}

// What an entry that leaves the column empty takes: nothing for Reps (a
// timed exercise).
std::optional<uint32_t> CircuitPlanController::circuitvalue(PlanColumn column) const {
    switch (column) {
    case PlanColumn::Rest:
        return m_restinterval;
    case PlanColumn::Work:
        return m_exerciseinterval;
    case PlanColumn::Sides:
        return 1;
    default:
        return std::nullopt;
    }
}

PlanProblem CircuitPlanController::firstProblem(int* rowAt, PlanColumn* columnAt) const {
    for (size_t row = 0; row < m_rows.size(); ++row)
        for (int column = 0; column < kPlanColumns; ++column) {
            const auto which = static_cast<PlanColumn>(column);
            if (PlanProblem problem = problemOf(m_rows[row], which); !problem.empty()) {
                if (rowAt)
                    *rowAt = static_cast<int>(row);
                if (columnAt)
                    *columnAt = which;
                return problem;
            }
        }
    return {};
}

void CircuitPlanController::cellEdited(int rowIndex, PlanColumn column, const std::string& text) {
    if (rowIndex < 0 || rowIndex >= static_cast<int>(m_rows.size()) ||
        column == PlanColumn::Exercise)
        return;
    Row& row = m_rows[static_cast<size_t>(rowIndex)];
    auto& refused = row.refused[static_cast<size_t>(column)];
    refused.reset();

    const std::string_view typed = trimmed(text);
    const std::optional<uint32_t> number = wholenumber(typed);
    const CellRange range = rangeof(column);
    // The circuit's own value is no key of the entry: the file would not keep it.
    if (typed.empty() || (number && number == circuitvalue(column)))
        setkey(row.keys, column, std::nullopt);
    else if (!number || *number < range.low || *number > range.high)
        refused = text;
    else
        setkey(row.keys, column, number);
    showCell(rowIndex, column);
    // The cell just refused comes first; else whichever is still refused.
    const PlanProblem problem = problemOf(row, column);
    m_view.showProblem(problem.empty() ? firstProblem() : problem);
}

void CircuitPlanController::btn_okClick() {
    int row = 0;
    PlanColumn column = PlanColumn::Exercise;
    if (const PlanProblem problem = firstProblem(&row, &column); !problem.empty()) {
        m_view.selectCell(row, column);
        m_view.showProblem(problem);
        m_view.showMessage(problem);
        return;
    }
    CircuitKeys keys = m_keys; // keeps the words this version does not know
    keys.rounds = keyvalue(m_view.fieldValue(PlanField::Rounds), 1, kMaxRounds);
    const int roundrest = m_view.fieldValue(PlanField::RoundRest);
    keys.roundrest =
        roundrest < 0 ? std::nullopt : std::optional(keyvalue(roundrest, 0, kMaxKeySeconds));
    keys.warmup = keyvalue(m_view.fieldValue(PlanField::WarmUp), 0, kMaxKeySeconds);
    keys.cooldown = keyvalue(m_view.fieldValue(PlanField::CoolDown), 0, kMaxKeySeconds);
    std::vector<EntryKeys> entries;
    entries.reserve(m_rows.size());
    for (const Row& each : m_rows)
        entries.push_back(each.keys);
    if (m_store(keys, entries))
        m_view.closeStored();
}
