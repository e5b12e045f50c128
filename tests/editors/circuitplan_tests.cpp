// The circuit plan's rules through a fake dialog, and the editor's side of
// them (keys that travel with their entries, the store behind OK) against
// real files.
#include "circuitedit_fixture.h"

#include "data/ioerror.h"
#include "editors/circuitplancontroller.h"
#include "editors/editorwords.h"
#include "ui/textconv.h"

#include <filesystem>
#include <map>
#include <optional>

using Lines = std::vector<std::string>;

namespace {

class FakePlanView final : public CircuitPlanView {
public:
    std::map<PlanField, int> fields;
    int rows = 0;
    std::map<std::pair<int, PlanColumn>, PlanCell> cells;
    std::pair<int, PlanColumn> selected{-1, PlanColumn::Exercise};
    std::string problem;
    std::vector<std::string> messages;
    bool closed = false;

    void setFieldValue(PlanField field, int value) override { fields[field] = value; }
    int fieldValue(PlanField field) const override { return fields.at(field); }
    void setRowCount(int count) override { rows = count; }
    void setCell(int row, PlanColumn column, const PlanCell& cell) override {
        cells[{row, column}] = cell;
    }
    void selectCell(int row, PlanColumn column) override { selected = {row, column}; }
    // Worded as the dialog words them, in English.
    void showProblem(const PlanProblem& shown) override {
        problem = tobytes(EditorWords::planProblem(shown));
    }
    void showMessage(const PlanProblem& shown) override {
        messages.push_back(tobytes(EditorWords::planProblem(shown)));
    }
    void closeStored() override { closed = true; }

    PlanCell cell(int row, PlanColumn column) const { return cells.at({row, column}); }
};

using Look = PlanCell::Look;

struct Stored {
    CircuitKeys keys;
    std::vector<EntryKeys> entries;
};

} // namespace

TEST(CircuitPlan, cellInput_refusedIsMarkedAndNamedBlocksOkAndGoodInputIsStored) {
    TCircuit2 circuit;
    circuit.exerciseinterval = 30;
    circuit.restinterval = 15;
    circuit.keys.unknown = "tempo=slow"; // a word of a later version
    for (const char* name : {"Push Up", "Crunch"}) {
        TExercise2& entry = circuit.exercises[static_cast<size_t>(circuit.exercisecount++)];
        entry.number = 10;
        entry.name = name;
    }
    circuit.exercises[1].keys.reps = 12;
    FakePlanView view;
    std::optional<Stored> stored;
    CircuitPlanController plan(view, circuit, [&](const CircuitKeys& keys, const auto& entries) {
        stored = Stored{keys, entries};
        return true;
    });
    plan.show();
    ASSERT_EQ(view.rows, 2);
    EXPECT_EQ(view.fields[PlanField::RoundRest], -1);
    EXPECT_EQ(view.cell(0, PlanColumn::Rest), (PlanCell{"15", Look::Circuits}));
    EXPECT_EQ(view.cell(1, PlanColumn::Reps), (PlanCell{"12", Look::Own}));

    // Each column's edges: {text, refused}.
    const std::vector<std::tuple<PlanColumn, std::string, bool>> edges = {
        {PlanColumn::Rest, "0", false},   {PlanColumn::Rest, "3601", true},
        {PlanColumn::Work, "0", true},    {PlanColumn::Work, "3600", false},
        {PlanColumn::Reps, "1000", true}, {PlanColumn::Sides, "3", true},
        {PlanColumn::Work, "4 5", true},  {PlanColumn::Work, "99999999999", true},
        {PlanColumn::Work, "-1", true},
    };
    for (const auto& [column, text, refused] : edges) {
        plan.cellEdited(0, column, text);
        EXPECT_EQ(view.cell(0, column).look == Look::Refused, refused) << text;
        EXPECT_EQ(view.problem.empty(), !refused) << text;
        plan.cellEdited(0, column, "");
    }

    plan.cellEdited(1, PlanColumn::Work, "abc");
    EXPECT_EQ(view.cell(1, PlanColumn::Work), (PlanCell{"abc", Look::Refused}));
    EXPECT_EQ(view.problem, "Exercise \"Crunch\", column \"Work\": \"abc\" is not a whole number. "
                            "Type a whole number from 1 to 3600, or empty the cell to use the "
                            "circuit's exercise interval.");
    plan.cellEdited(0, PlanColumn::Sides, "2"); // a good edit elsewhere keeps the problem shown
    EXPECT_NE(view.problem.find("Crunch"), std::string::npos);
    plan.btn_okClick();
    EXPECT_FALSE(stored);
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(view.messages, Lines{view.problem});
    EXPECT_EQ(view.selected, std::make_pair(1, PlanColumn::Work));

    plan.cellEdited(1, PlanColumn::Work, " 45 ");
    EXPECT_TRUE(view.problem.empty());
    plan.cellEdited(0, PlanColumn::Rest, "15"); // the circuit's own value stays the circuit's
    EXPECT_EQ(view.cell(0, PlanColumn::Rest), (PlanCell{"15", Look::Circuits}));
    view.fields[PlanField::Rounds] = 3;
    view.fields[PlanField::RoundRest] = 0;
    view.fields[PlanField::WarmUp] = 60;
    plan.btn_okClick();

    ASSERT_TRUE(stored);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(stored->keys.rounds, 3u);
    EXPECT_EQ(stored->keys.roundrest, 0u);
    EXPECT_EQ(stored->keys.warmup, 60u);
    EXPECT_EQ(stored->keys.unknown, "tempo=slow");
    ASSERT_EQ(stored->entries.size(), 2u);
    EXPECT_EQ(stored->entries[0], (EntryKeys{std::nullopt, std::nullopt, std::nullopt, 2, {}}));
    EXPECT_EQ(stored->entries[1], (EntryKeys{std::nullopt, 45, 12, 1, {}}));
}

TEST_F(CircuitEditTest, entryKeys_travelWithTheirEntriesThroughEveryEdit) {
    folder.writeFile("Circuits/Core.cir",
                     "Core\r\nAbdominal\r\n30 rounds=3\r\n15\r\nCrunch\treps=20\r\n"
                     "Side Plank\twork=45\r\n");
    editor.modifycircuit(path("Core"));

    view.line = 1;
    editor.btn_moveupClick();
    typeInterval(IntervalField::Rest, "20");
    EXPECT_EQ(fileLines("Core"), (Lines{"Core", "Abdominal", "30 rounds=3", "20",
                                        "Side Plank\twork=45", "Crunch\treps=20"}));

    // The freed entry keeps nothing for the next exercise added.
    view.line = 0;
    editor.btn_deleteClick();
    view.choice = 0; // Crunch
    editor.btn_newexerciseClick();
    EXPECT_EQ(fileLines("Core"),
              (Lines{"Core", "Abdominal", "30 rounds=3", "20", "Crunch\treps=20", "Crunch"}));
}

TEST_F(CircuitEditTest, planStore_goesThroughTheOneSavePathAndFailureKeepsTheKeys) {
    newCircuitWith({0});
    editor.btn_circuitplanClick();
    EXPECT_EQ(view.planOpenedOn, "New Circuit");

    CircuitKeys keys;
    keys.rounds = 2;
    grid.cells.clear();
    EXPECT_TRUE(editor.storeplan(keys, {EntryKeys{5, std::nullopt, std::nullopt, 2, {}}}));
    EXPECT_EQ(fileLines("New Circuit"),
              (Lines{"New Circuit", "Upper Body", "30 rounds=2", "15", "Push Up\trest=5 sides=2"}));
    EXPECT_EQ(grid.names(), Lines{"New Circuit"}); // rescanned

    // A folder in the file's place makes the write fail.
    std::filesystem::remove(path("New Circuit"));
    std::filesystem::create_directory(path("New Circuit"));
    keys.rounds = 9;
    EXPECT_THROW(editor.storeplan(keys, {EntryKeys{}}), IoError);
    EXPECT_EQ(editor.workingcircuit().keys.rounds, 2u);
    EXPECT_EQ(editor.workingcircuit().exercises[0].keys.sides, 2u);

    // Let go: nothing to open the plan on, nothing stored.
    view.planOpenedOn.clear();
    editor.releaseifedited(path("New Circuit"));
    editor.btn_circuitplanClick();
    EXPECT_TRUE(view.planOpenedOn.empty());
    EXPECT_FALSE(editor.storeplan(keys, {EntryKeys{}}));
}
