#include "editors/exerciseeditcontroller.h"

#include "data/apppaths.h"
#include "data/circuitrename.h"
#include "data/ioerror.h"
#include "editors/exercisetext.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
EditorText truncationMessage(int loaded) {
    return {EditorTextId::LibraryTruncated, {std::to_string(loaded)}};
}

// {count, from, to}: "3 circuits use "Plank". Rename it to "Front Plank" in
// those circuits too?"
EditorText renameQuestion(size_t circuits, const std::string& from, const std::string& to) {
    return {EditorTextId::RenameInCircuits, {std::to_string(circuits), from, to}};
}

// Every circuit is tried: one that cannot be written must not keep the others
// on the old name. The first failure is raised at the end.
void renameInCircuits(const std::vector<std::string>& circuits, const std::string& from,
                      const std::string& to) {
    std::optional<IoError> failure;
    for (const std::string& path : circuits) {
        try {
            renameincircuit(path, from, to);
        } catch (const IoError& error) {
            if (!failure)
                failure = error;
        }
    }
    if (failure)
        throw *failure;
}

size_t toolIndex(ExerciseTool tool) {
    return static_cast<size_t>(tool);
}

constexpr std::array<ExerciseTool, 3> kTools{ExerciseTool::Save, ExerciseTool::New,
                                             ExerciseTool::Delete};
} // namespace

ExerciseEditController::ExerciseEditController(ExerciseEditView& view, ExerciseTable& table)
    : m_view(view), m_table(table) {}

void ExerciseEditController::loadexercises() {
    txt_exnameExit(); // the load may move the record being renamed
    const LoadResult result = ::loadexercises(m_table, exerciselibrarypath());
    // Told before the refresh, whose saves may fail: the user learns it either way.
    if (result.truncated && !m_toldTruncation) {
        m_toldTruncation = true;
        m_view.showMessage(truncationMessage(result.loaded));
    }
    displayexercises();
    m_view.setRowCount(rowsShowingRecords());
    // The load selected slot 0; the highlighted row follows, so the fields
    // and the grid agree.
    makeRowCurrent(0);
}

void ExerciseEditController::saveexercises() {
    m_changeUnreported = true;
    ::saveexercises(m_table, exerciselibrarypath());
}

void ExerciseEditController::displayexercises() {
    for (int row = 0; row < kGridRows; ++row) {
        const TExercise& record = std::as_const(m_table)[row]; // a read leaves the name index alone
        const std::array<const std::string*, kGridColumns> texts{&record.name, &record.extype,
                                                                 &record.description};
        auto& shown = m_cells[static_cast<size_t>(row)];
        for (int column = 0; column < kGridColumns; ++column) {
            const std::string& text = *texts[static_cast<size_t>(column)];
            std::string& cell = shown[static_cast<size_t>(column)];
            if (cell != text) {
                cell = text;
                m_view.setCell(row, column, text);
            }
        }
    }
    showSelectedRecord();
}

void ExerciseEditController::grd_circuitsClick() {
    txt_exnameExit();
    const int row = m_view.currentRow();
    if (row < 0 || row >= kGridRows)
        return;
    m_table.selectedexercise = row;
    showSelectedRecord();
}

void ExerciseEditController::txt_exnameChange() {
    if (!selectsRecord())
        return displayexercises();
    // A name cannot be emptied: the refresh puts the record's name back. Nor
    // can it take a TAB, which would end the name on a circuit's exercise line.
    // A record that came with one from the file is only shown.
    const std::string name = exerciseoneline(m_view.nameText());
    const bool different = !name.empty() && name != selectedRecord().name;
    const bool refused = different && name.find('\t') != std::string::npos;
    const bool changed = different && !refused;
    if (changed) {
        if (!m_rename)
            m_rename = Rename{m_table.selectedexercise, selectedRecord().name};
        selectedRecord().name = name;
    }
    displayexercises();
    if (refused)
        m_view.showMessage({EditorTextId::ExerciseNameWithTab, {}});
    // A text the program put back (the record's own) changes nothing and is not
    // stored: a load must not rewrite the file, which may hold records the
    // table had no room for.
    if (changed)
        saveexercises();
}

void ExerciseEditController::txt_exnameExit() {
    settleRename();
    // Told once the user is done, not on every keystroke: the information
    // panel reads a circuit file each time.
    if (std::exchange(m_changeUnreported, false))
        m_view.reportLibraryChange();
}

void ExerciseEditController::txt_extypeChange(const std::string& chosen) {
    if (!selectsRecord())
        return displayexercises();
    const bool changed = selectedRecord().extype != chosen;
    selectedRecord().extype = chosen;
    displayexercises();
    if (changed)
        saveexercises();
}

void ExerciseEditController::mmo_exdescriptionChange() {
    if (!selectsRecord())
        return displayexercises();
    const std::string description = exerciseoneline(m_view.descriptionText());
    const bool changed = description != selectedRecord().description;
    selectedRecord().description = description;
    displayexercises();
    if (changed)
        saveexercises();
}

void ExerciseEditController::btn_saveClick() {
    saveexercises();
}

void ExerciseEditController::btn_newexClick() {
    txt_exnameExit();
    const int slot = addexercisefromeditor(m_table, m_view.storedWord(StoredWord::NewExercise),
                                           m_view.storedWord(StoredWord::NewExerciseDescription));
    if (slot < 0) {
        m_view.showMessage({EditorTextId::LibraryFull, {std::to_string(kLibraryCapacity)}});
        return;
    }
    // The grid may lag behind records the content update added without a
    // refresh; it always grows far enough to show the new record.
    m_view.setRowCount(std::min(kGridRows, std::max(m_view.rowCount() + 1, slot + 1)));
    displayexercises(); // the fields still show the previously selected record
    saveexercises();
    m_table.selectedexercise = slot;
    if (!makeRowCurrent(slot))
        showSelectedRecord();
}

void ExerciseEditController::btn_deleteexClick() {
    txt_exnameExit();
    const int sizeBefore = m_table.librarysize;
    removeexercise(m_table, m_table.selectedexercise);
    const bool removed = m_table.librarysize < sizeBefore;
    displayexercises();
    makeRowCurrent(0);
    if (removed && m_view.rowCount() > 0)
        m_view.setRowCount(m_view.rowCount() - 1);
    // Stored at once, after the screen shows the removal: a deletion must not
    // depend on the fields happening to change, and a failed save leaves the
    // grid in step with the table.
    saveexercises();
}

void ExerciseEditController::btn_saveMouseMove() {
    hoverTool(ExerciseTool::Save);
}
void ExerciseEditController::btn_newexMouseMove() {
    hoverTool(ExerciseTool::New);
}
void ExerciseEditController::btn_deleteexMouseMove() {
    hoverTool(ExerciseTool::Delete);
}

void ExerciseEditController::ToolBar1MouseMove() {
    for (const ExerciseTool tool : kTools)
        if (isHighlighted(tool))
            setHighlighted(tool, false);
}

bool ExerciseEditController::isHighlighted(ExerciseTool tool) const {
    return m_highlighted[toolIndex(tool)];
}

void ExerciseEditController::settleRename() {
    if (!m_rename)
        return;
    // Taken first: the question's dialog takes the focus from the field, which
    // settles again.
    const Rename rename = *std::exchange(m_rename, std::nullopt);
    if (rename.slot >= m_table.librarysize)
        return;
    const std::string to = std::as_const(m_table)[rename.slot].name;
    if (to == rename.from)
        return; // typed back to what it was
    const std::vector<std::string> circuits = circuitsusing(rename.from);
    if (circuits.empty() ||
        !m_view.askRenameInCircuits(renameQuestion(circuits.size(), rename.from, to)))
        return;
    m_changeUnreported = true;
    renameInCircuits(circuits, rename.from, to);
}

// Text typed while the selected slot holds no record (an empty library, or
// after the last record was deleted) is not stored: it would make a record
// without a number that New then hides from the file.
bool ExerciseEditController::selectsRecord() const {
    return m_table.selectedexercise >= 0 && m_table.selectedexercise < m_table.librarysize;
}

TExercise& ExerciseEditController::selectedRecord() {
    return m_table[m_table.selectedexercise];
}

void ExerciseEditController::showSelectedRecord() {
    // Each text is read afresh: the reaction of one field may store into the record.
    setNameField(std::string(selectedRecord().name));
    m_view.setTypeText(selectedRecord().extype);
    setDescriptionField(std::string(selectedRecord().description));
}

void ExerciseEditController::setNameField(const std::string& text) {
    if (m_view.setNameText(text))
        txt_exnameChange();
}

void ExerciseEditController::setDescriptionField(const std::string& text) {
    if (m_view.setDescriptionText(text))
        mmo_exdescriptionChange();
}

// Making a row current from the program acts as a click whenever the current
// row actually changes. False when nothing changed.
bool ExerciseEditController::makeRowCurrent(int row) {
    if (row >= m_view.rowCount() || m_view.currentRow() == row)
        return false;
    m_view.setCurrentRow(row);
    grd_circuitsClick();
    return true;
}

// Every record has its row, also one without a name: a nameless record in
// the middle must not hide the records after it.
int ExerciseEditController::rowsShowingRecords() const {
    return std::clamp(static_cast<int>(m_table.librarysize), 0, kGridRows);
}

void ExerciseEditController::hoverTool(ExerciseTool tool) {
    if (!isHighlighted(tool))
        setHighlighted(tool, true);
    for (const ExerciseTool other : kTools)
        if (other != tool && isHighlighted(other))
            setHighlighted(other, false);
}

void ExerciseEditController::setHighlighted(ExerciseTool tool, bool on) {
    m_highlighted[toolIndex(tool)] = on;
    m_view.showToolPicture(tool, on);
}
