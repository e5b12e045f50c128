#include "editors/circuiteditcontroller.h"

#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "editors/circuitinterval.h"
#include "editors/circuitnames.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {
// The first of "New Circuit", "New Circuit 2", "New Circuit 3", ... (in the
// user's language) that no circuit file uses yet, so a new circuit never takes
// over a stored one.
std::string freenewcircuitname(const std::string& base) {
    std::string name = base;
    for (int n = 2; fileexists(circuitfilepath(name)); ++n)
        name = base + " " + std::to_string(n);
    return name;
}

EditorText needsname() {
    return {EditorTextId::CircuitNeedsName, {}};
}

EditorText clashmessage(const std::string& name) {
    return {EditorTextId::CircuitNameTaken, {name}};
}

int usedentries(const TCircuit2& circuit) {
    int count = 0;
    while (count < kCircuitEntries && circuit.exercises[static_cast<size_t>(count)].number != 0)
        ++count;
    return count;
}
} // namespace

CircuitEditController::CircuitEditController(CircuitEditView& view, ExerciseTable& table)
    : m_view(view), m_table(table) {}

// --- Storing -----------------------------------------------------------------

bool CircuitEditController::belongsToAnotherCircuit(const std::string& path) const {
    return fileexists(path) && (m_ownPath.empty() || !samecircuitfile(path, m_ownPath));
}

EditorText CircuitEditController::circuitproblem() const {
    if (!m_open)
        return {EditorTextId::CircuitNothingOpen, {}};
    if (m_circuit.exercisecount > kMaxCircuitExercises)
        return {EditorTextId::CircuitTooLong,
                {m_circuit.circuitname, std::to_string(m_circuit.exercisecount),
                 std::to_string(kMaxCircuitExercises)}};
    return {};
}

EditorText CircuitEditController::cansave(const std::string& nametext) const {
    if (nametext.empty())
        return needsname();
    if (EditorText problem = circuitnameproblem(nametext); !problem.empty())
        return problem;
    if (EditorText problem = circuitproblem(); !problem.empty())
        return problem;
    if (m_circuit.circuittype.empty())
        return {EditorTextId::CircuitNeedsType, {}};
    if (belongsToAnotherCircuit(circuitfilepath(nametext)))
        return clashmessage(nametext);
    return {};
}

EditorText CircuitEditController::namerefusal(const std::string& name) const {
    if (EditorText problem = circuitnameproblem(name); !problem.empty())
        return problem;
    if (belongsToAnotherCircuit(circuitfilepath(name)))
        return clashmessage(name);
    return {};
}

EditorText CircuitEditController::attemptsave(const std::string& nametext) {
    if (EditorText refusal = cansave(nametext); !refusal.empty())
        return refusal;
    write(circuitfilepath(nametext));
    rescan();
    return {};
}

void CircuitEditController::write(const std::string& path) {
    writecircuit(path, m_circuit);
    m_ownPath = path;
}

void CircuitEditController::moveto(const std::string& name, std::string leftPath) {
    const std::string newPath = circuitfilepath(name);
    const std::string previousName = std::exchange(m_circuit.circuitname, name);
    try {
        write(newPath);
    } catch (...) {
        m_circuit.circuitname = previousName;
        throw;
    }
    if (!leftPath.empty() && !samecircuitfile(leftPath, newPath)) {
        std::error_code ignored; // a failed deletion is silent
        std::filesystem::remove(leftPath, ignored);
    }
}

void CircuitEditController::rescan() {
    if (!m_grid)
        return;
    scancircuits(*m_grid);
    if (m_open && !m_ownPath.empty())
        m_view.followInCatalogue(m_ownPath);
}

void CircuitEditController::report(const EditorText& text) {
    if (!text.empty())
        m_view.showMessage({text});
}

TypeWords CircuitEditController::typewords() const {
    TypeWords words;
    for (int i = 0; i < kTypeCount; ++i)
        words[static_cast<size_t>(i)] = m_view.storedWord(kTypeWords[i]);
    return words;
}

bool CircuitEditController::admitsEveryType(const std::string& circuittype) const {
    return circuittype == kAnyAreaType ||
           circuittype == m_view.storedWord(StoredWord::MultipleArea);
}

// --- Setting fields (with the reactions they set off) ----------------------

void CircuitEditController::setNameField(const std::string& text) {
    if (m_view.nameText() == text)
        return;
    m_view.setNameText(text);
    edt_circuitnameChange();
}

uint32_t& CircuitEditController::interval(IntervalField field) {
    return field == IntervalField::Exercise ? m_circuit.exerciseinterval : m_circuit.restinterval;
}

void CircuitEditController::setIntervalField(IntervalField field, uint32_t seconds) {
    const std::string text = intervaltext(seconds, intervalrange(field));
    if (m_view.intervalText(field) == text)
        return;
    m_view.setIntervalText(field, text);
    intervalChange(field);
}

// After a refused change the field shows the stored value again. Its reaction
// would only be refused once more and repeat the message, so it is left out.
void CircuitEditController::showIntervalQuietly(IntervalField field) {
    m_view.setIntervalText(field, intervaltext(interval(field), intervalrange(field)));
}

// --- Operations --------------------------------------------------------------

void CircuitEditController::newcircuit() {
    m_view.setEditable(true);
    setNameField("");

    const std::string name = freenewcircuitname(m_view.storedWord(StoredWord::NewCircuit));
    const std::string type = m_view.storedWord(kTypeWords[0]);
    m_circuit = TCircuit2{};
    m_circuit.circuitname = name;
    m_circuit.circuittype = type;
    m_circuit.restinterval = 15;
    m_circuit.exerciseinterval = 30;
    m_circuit.exercisecount = 0;
    m_ownPath.clear(); // the previous circuit's file is no longer ours to delete
    m_open = true;

    setNameField(name); // writes the new circuit's file
    m_settledName = name;
    m_view.selectType(0);
    setIntervalField(IntervalField::Exercise, 30);
    setIntervalField(IntervalField::Rest, 15);
    loadexercises(type);
    rescan();
    displayexercises();
}

void CircuitEditController::modifycircuit(const std::string& path) {
    readcircuit(path, m_table, m_openedCircuit);
    TCircuit2& opened = m_openedCircuit;
    // A hand-made file may hold intervals the fields cannot show; the circuit
    // is only ever stored with intervals inside their ranges.
    for (IntervalField field : {IntervalField::Exercise, IntervalField::Rest}) {
        const IntervalRange range = intervalrange(field);
        uint32_t& seconds =
            field == IntervalField::Exercise ? opened.exerciseinterval : opened.restinterval;
        seconds = std::clamp(seconds, range.minimum, range.maximum);
    }
    std::swap(m_circuit, opened);
    m_ownPath = path;
    m_open = true;
    m_view.setEditable(true);
    // Told at once when every store of this circuit will be refused, and why.
    report(cansave(m_circuit.circuitname));
    initcircuit();
    m_settledName = m_circuit.circuitname;

    // Once more from the working circuit: repeats what initcircuit showed.
    setNameField(m_circuit.circuitname);
    m_view.selectType(circuittypeindex(m_circuit.circuittype, typewords()));
    setIntervalField(IntervalField::Exercise, m_circuit.exerciseinterval);
    setIntervalField(IntervalField::Rest, m_circuit.restinterval);
    displayexercises();
}

void CircuitEditController::initcircuit() {
    setNameField(m_circuit.circuitname);
    m_view.selectType(circuittypeindex(m_circuit.circuittype, typewords()));
    setIntervalField(IntervalField::Exercise, m_circuit.exerciseinterval);
    setIntervalField(IntervalField::Rest, m_circuit.restinterval);
    loadexercises(m_circuit.circuittype);
    displayexercises();
}

void CircuitEditController::loadexercises(const std::string& circuittype) {
    m_choiceNames.clear();
    m_choiceNumbers.clear();
    const int size = std::min<int>(m_table.librarysize, kLibraryCapacity);
    const bool everyType = admitsEveryType(circuittype);
    for (int slot = 0; slot < size; ++slot) {
        const TExercise& record =
            std::as_const(m_table)[slot]; // a read leaves the name index alone
        if (record.extype.empty())
            continue;
        if (everyType || record.extype == circuittype) {
            m_choiceNames.push_back(record.name);
            m_choiceNumbers.push_back(record.number);
        }
    }
    m_view.setChoices(m_choiceNames);
    m_view.selectChoice(m_choiceNames.empty() ? -1 : 0);
}

void CircuitEditController::displayexercises() {
    std::vector<std::string> lines;
    for (const TExercise2& entry : m_circuit.exercises) {
        if (entry.name.empty())
            break;
        lines.push_back(entry.name);
    }
    m_view.setExerciseLines(lines);
    m_view.selectExerciseLine(-1);
}

bool CircuitEditController::addexercise(const std::string& name, uint32_t number) {
    const int free = usedentries(m_circuit);
    if (free >= kMaxCircuitExercises)
        return false; // entry 100 stays free
    TExercise2& entry = m_circuit.exercises[static_cast<size_t>(free)];
    entry = TExercise2{}; // a new entry takes the circuit's values, whatever the slot held
    entry.number = number;
    entry.name = name;
    return true;
}

// --- Reactions ---------------------------------------------------------------

void CircuitEditController::edt_circuitnameChange() {
    m_nameUnsettled = true;
    const std::string text = m_view.nameText();
    if (text.empty()) {
        m_view.showNameProblem(needsname());
        m_circuit.circuitname.clear(); // nothing stored; the last file stays
        return;
    }
    // Nothing is written for a circuit that may not be stored at all; that was
    // told when it was opened.
    if (!circuitproblem().empty())
        return;
    // A refused name is said beside the field, never in a box: a box would
    // take the keys typed after it. circuitname keeps the last name stored.
    const EditorText refusal = namerefusal(text);
    m_view.showNameProblem(refusal);
    if (!refusal.empty())
        return;
    const std::string newPath = circuitfilepath(text);
    if (fileexists(newPath)) {
        // Our own file: the name is back to one we stored.
        m_circuit.circuitname = text;
        return;
    }
    // Line 1 of the file is its name, so each rename writes the whole file.
    const std::string previousPath = circuitfilepath(m_circuit.circuitname);
    const bool previousIsOurs = !m_circuit.circuitname.empty() && !m_ownPath.empty() &&
                                samecircuitfile(previousPath, m_ownPath);
    moveto(text, previousIsOurs ? previousPath : std::string());
    // The grid follows at once, so no row points at the file that just went.
    rescan();
}

void CircuitEditController::edt_circuitnameExit() {
    m_nameUnsettled = false;
    const std::string text = m_view.nameText();
    if (text.empty())
        return; // never a file named ".cir"; every other store asks for a name
    if (circuitproblem().empty()) {
        if (const EditorText refusal = namerefusal(text); !refusal.empty())
            return keepsettledname(refusal);
    }
    const EditorText message = attemptsave(text);
    if (message.empty())
        m_settledName = m_circuit.circuitname;
    report(message);
}

void CircuitEditController::keepsettledname(const EditorText& refusal) {
    const std::string keep = m_settledName;
    if (keep.empty() || !circuitnameproblem(keep).empty() ||
        belongsToAnotherCircuit(circuitfilepath(keep)))
        return report(refusal); // nothing to go back to: the field keeps its text
    m_view.setNameText(keep);
    m_view.showNameProblem({});
    moveto(keep, m_ownPath);
    rescan();
    m_view.showMessage({refusal, {EditorTextId::CircuitNameKept, {keep}}});
}

void CircuitEditController::leavefront() {
    if (m_nameUnsettled)
        edt_circuitnameExit();
}

void CircuitEditController::releaseifedited(const std::string& path) {
    if (m_open && !m_ownPath.empty() && samecircuitfile(path, m_ownPath))
        shownothingtoedit();
}

void CircuitEditController::shownothingtoedit() {
    m_open = false;
    m_nameUnsettled = false;
    m_ownPath.clear();
    m_settledName.clear();
    m_circuit = TCircuit2{};
    m_view.setNameText({});
    m_view.showNameProblem({});
    m_view.selectType(-1);
    for (IntervalField field : {IntervalField::Exercise, IntervalField::Rest})
        m_view.setIntervalText(field, {});
    m_choiceNames.clear();
    m_choiceNumbers.clear();
    m_view.setChoices({});
    m_view.selectChoice(-1);
    displayexercises();
    m_view.setEditable(false);
}

void CircuitEditController::cmb_circuittypeChange(int pickedIndex) {
    if (pickedIndex < 0 || pickedIndex >= kTypeCount)
        return;
    const std::string name = m_view.nameText();
    // The type is stored as the list shows it.
    const std::string picked = m_view.storedWord(kTypeWords[pickedIndex]);
    // The type is what is being mended here, so a missing one is no refusal.
    const std::string previousType = std::exchange(m_circuit.circuittype, picked);
    const EditorText refusal = cansave(name);
    m_circuit.circuittype = previousType;
    if (refusal.empty()) {
        loadexercises(picked); // also selects the first choice
        m_circuit.circuittype = picked;
        report(attemptsave(name));
    } else {
        report(refusal);
    }
    m_view.selectType(circuittypeindex(m_circuit.circuittype, typewords()));
}

void CircuitEditController::intervalChange(IntervalField field) {
    const std::string name = m_view.nameText();
    if (const EditorText refusal = cansave(name); !refusal.empty()) {
        // Showing the value the circuit already holds (as opening it does) is
        // no change the user needs to hear refused.
        if (readinterval(m_view.intervalText(field), intervalrange(field)) != interval(field))
            report(refusal);
        showIntervalQuietly(field);
        return;
    }
    interval(field) = readinterval(m_view.intervalText(field), intervalrange(field));
    report(attemptsave(name));
    setIntervalField(field, interval(field)); // "20000" becomes "10000" and reacts again
}

void CircuitEditController::btn_newexerciseClick() {
    const std::string name = m_view.nameText();
    if (const EditorText refusal = cansave(name); !refusal.empty())
        return report(refusal);
    const int choice = m_view.selectedChoice();
    if (choice < 0 || choice >= static_cast<int>(m_choiceNumbers.size()))
        return; // no exercise of this type to add
    const auto at = static_cast<size_t>(choice);
    if (!addexercise(m_choiceNames[at], m_choiceNumbers[at])) {
        report({EditorTextId::CircuitFull, {std::to_string(kMaxCircuitExercises)}});
        return;
    }
    displayexercises();
    report(attemptsave(name));
}

void CircuitEditController::btn_moveupClick() {
    const int line = m_view.selectedExerciseLine();
    if (line > 0 && line < kMaxCircuitExercises) {
        std::swap(m_circuit.exercises[static_cast<size_t>(line - 1)],
                  m_circuit.exercises[static_cast<size_t>(line)]);
        displayexercises();
        m_view.selectExerciseLine(line - 1);
    }
    report(attemptsave(m_view.nameText()));
}

void CircuitEditController::btn_movedownClick() {
    const int line = m_view.selectedExerciseLine();
    if (line >= 0 && line + 1 < kCircuitEntries &&
        m_circuit.exercises[static_cast<size_t>(line + 1)].number != 0) {
        std::swap(m_circuit.exercises[static_cast<size_t>(line)],
                  m_circuit.exercises[static_cast<size_t>(line + 1)]);
        displayexercises();
        m_view.selectExerciseLine(line + 1);
    }
    report(attemptsave(m_view.nameText()));
}

void CircuitEditController::btn_deleteClick() {
    const int line = m_view.selectedExerciseLine();
    if (line >= 0 && line < kCircuitEntries) {
        auto& entries = m_circuit.exercises;
        auto last = static_cast<size_t>(line);
        while (last + 1 < entries.size() && entries[last + 1].number != 0) {
            entries[last] = entries[last + 1];
            ++last;
        }
        entries[last] = TExercise2{}; // with its keys, or the next addition would take them
        displayexercises();
    }
    report(attemptsave(m_view.nameText()));
}

void CircuitEditController::btn_circuitplanClick() {
    if (!m_open)
        return;
    if (const EditorText refusal = cansave(m_view.nameText()); !refusal.empty())
        return report(refusal);
    m_view.openCircuitPlan(m_circuit);
}

bool CircuitEditController::storeplan(const CircuitKeys& keys,
                                      const std::vector<EntryKeys>& entries) {
    // The dialog is modal, so the entries are the ones it was opened on; a
    // circuit that changed meanwhile takes no keys meant for other entries.
    if (static_cast<int>(entries.size()) != usedentries(m_circuit))
        return false;
    const CircuitKeys previousKeys = std::exchange(m_circuit.keys, keys);
    std::vector<EntryKeys> previousEntries;
    previousEntries.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        previousEntries.push_back(std::exchange(m_circuit.exercises[i].keys, entries[i]));
    // Unlike a field, the dialog stays open holding what was typed: the
    // circuit keeps its keys, so Cancel after a failure changes nothing.
    const auto restore = [&] {
        m_circuit.keys = previousKeys;
        for (size_t i = 0; i < previousEntries.size(); ++i)
            m_circuit.exercises[i].keys = previousEntries[i];
    };
    EditorText refusal;
    try {
        refusal = attemptsave(m_view.nameText());
    } catch (...) {
        restore();
        throw;
    }
    if (!refusal.empty()) {
        restore();
        report(refusal);
        return false;
    }
    return true;
}
