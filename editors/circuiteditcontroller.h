#pragma once

#include "data/circuitfile.h"
#include "data/exercises.h"
#include "editors/circuiteditview.h"
#include "editors/circuitnames.h"

#include <cstdint>
#include <string>
#include <vector>

class CircuitGrid;

// The circuit editor's rules. It keeps one working circuit and stores it after
// every change, under the Circuits folder as the name field's text + ".cir".
//
// Change reactions: a field's reaction runs whenever the text it shows changes,
// by the user or by the editor; setting the text it already shows runs nothing.
// The view reports the user's edits through the reaction methods; when the
// controller sets a field it runs the nested reaction itself, in plain C++, so
// an IoError from a write ends the whole chain and reaches the caller.
class CircuitEditController final {
public:
    explicit CircuitEditController(CircuitEditView& view, ExerciseTable& table = exercisetable());

    // The main window's circuit grid, rescanned after stores; none: no rescan.
    void setCatalogueGrid(CircuitGrid* grid) { m_grid = grid; }
    const TCircuit2& workingcircuit() const { return m_circuit; }
    // The file the circuit is stored at; "" while there is none.
    const std::string& storedpath() const { return m_ownPath; }

    void newcircuit();
    void modifycircuit(const std::string& path);
    void initcircuit();
    void loadexercises(const std::string& circuittype);
    void displayexercises();
    // False when the circuit already holds its 100 exercises.
    bool addexercise(const std::string& name, uint32_t number);

    // The two entry points of every store. cansave tells why the working
    // circuit cannot be stored under this name (empty when it can): no name, a
    // name no file may carry, another circuit's file, no circuit open, no type,
    // or a circuit whose file lists more exercises than the editor can keep.
    // attemptsave stores it under the name and rescans the catalogue, or gives
    // back cansave's message and stores nothing.
    EditorText cansave(const std::string& nametext) const;
    EditorText attemptsave(const std::string& nametext);

    // The circuit plan dialog's OK: the circuit takes these keys, one
    // EntryKeys per exercise entry in order, and is stored through
    // attemptsave. When it cannot be stored (refused, with the reason shown,
    // or an IoError raised) the circuit keeps the keys it had and the result
    // is false.
    bool storeplan(const CircuitKeys& keys, const std::vector<EntryKeys>& entries);

    // The editor stops being the front frame (another frame, a bar button, the
    // window closing): what the name field shows is stored as when the field
    // is left, unless that has happened since its last change.
    void leavefront();

    // The file at the path is about to be deleted. When it is the circuit
    // being edited, the editor lets it go: it shows nothing to edit and
    // stores nothing until the next newcircuit or modifycircuit.
    void releaseifedited(const std::string& path);

    // Reactions to the screen.
    void cmb_circuittypeChange(int pickedIndex);
    void edt_circuitnameChange();
    void edt_circuitnameExit();
    void spn_exerciseChange() { intervalChange(IntervalField::Exercise); }
    void spn_restintChange() { intervalChange(IntervalField::Rest); }
    void btn_newexerciseClick();
    void btn_moveupClick();
    void btn_movedownClick();
    void btn_deleteClick();
    void btn_circuitplanClick();

private:
    void setNameField(const std::string& text);
    void setIntervalField(IntervalField field, uint32_t seconds);
    void showIntervalQuietly(IntervalField field);
    void intervalChange(IntervalField field);
    uint32_t& interval(IntervalField field);
    void write(const std::string& path);
    // Stores the circuit under the name, then deletes the file it leaves
    // (none: empty). The new file comes first, so a failed write never
    // leaves the circuit only in memory; the name is kept only once written.
    void moveto(const std::string& name, std::string leftPath);
    void rescan();
    bool belongsToAnotherCircuit(const std::string& path) const;
    // What forbids any store, whatever the name; empty when nothing does.
    EditorText circuitproblem() const;
    // Why the circuit cannot take this non-empty name; empty when it can.
    EditorText namerefusal(const std::string& name) const;
    // The field was left holding a name the circuit cannot take: the circuit
    // goes back to the name it had when the field was last left or opened.
    void keepsettledname(const EditorText& refusal);
    void shownothingtoedit();
    // Shows a non-empty text.
    void report(const EditorText& text);
    // The type list's words, in the user's language.
    TypeWords typewords() const;
    bool admitsEveryType(const std::string& circuittype) const;

    CircuitEditView& m_view;
    ExerciseTable& m_table;
    CircuitGrid* m_grid = nullptr;
    TCircuit2 m_circuit;
    TCircuit2 m_openedCircuit; // read into, then swapped in: its storage is reused
    // The file this circuit was opened from or last stored to: the one file
    // besides free names that the editor may write over or delete.
    std::string m_ownPath;
    // What the choice list shows, and beside it the numbers, in the same order.
    std::vector<std::string> m_choiceNames;
    std::vector<uint32_t> m_choiceNumbers;
    // The name the circuit had when it was opened or the field was last left.
    std::string m_settledName;
    bool m_open = false;          // a circuit was started or opened
    bool m_nameUnsettled = false; // the name changed since the field was last left
};
