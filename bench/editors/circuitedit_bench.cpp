// The cost of one keystroke in the circuit editor with a full catalogue: 500
// circuit files of 100 exercises each. A name keystroke renames the file; an
// interval keystroke stores the circuit and rescans the catalogue. The argument
// says whether each save is synced to the disk (1, as the program does) or not
// (0), to tell the disk's share from the program's.
#include "data/catalogue.h"
#include "editors/circuiteditcontroller.h"
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

class QuietView final : public CircuitEditView {
public:
    std::string name;
    std::string intervals[2] = {"30", "15"};
    int line = -1;
    int choice = -1;

    std::string nameText() const override { return name; }
    void setNameText(const std::string& text) override { name = text; }
    void selectType(int) override {}
    std::string intervalText(IntervalField field) const override {
        return intervals[static_cast<int>(field)];
    }
    void setIntervalText(IntervalField field, const std::string& text) override {
        intervals[static_cast<int>(field)] = text;
    }
    void setChoices(const std::vector<std::string>&) override {}
    void selectChoice(int index) override { choice = index; }
    int selectedChoice() const override { return choice; }
    void setExerciseLines(const std::vector<std::string>&) override {}
    void selectExerciseLine(int index) override { line = index; }
    int selectedExerciseLine() const override { return line; }
    std::string storedWord(StoredWord word) const override {
        switch (word) {
        case StoredWord::NewCircuit:
            return "New Circuit";
        case StoredWord::MultipleArea:
            return "Multiple Area Workout";
        default:
            return "Upper Body"; // the first type; the others are never picked here
        }
    }
    void showMessage(const EditorMessage& message) override {
        throw std::runtime_error("message " + std::to_string(static_cast<int>(message[0].id)));
    }
    void showNameProblem(const EditorText&) override {}
    void setEditable(bool) override {}
    void followInCatalogue(const std::string&) override {}
    void openCircuitPlan(const TCircuit2&) override {}
};

class StoringGrid final : public CircuitGrid {
public:
    std::vector<std::string> cells = std::vector<std::string>(kCatalogueRows * kCatalogueColumns);
    void setcell(int column, int row, const std::string& text) override {
        cells[static_cast<size_t>(row * kCatalogueColumns + column)] = text;
    }
};

// 500 stored circuits, the editor working on the last of them. Argument 1:
// on the disk, synced; 0: in memory, where a sync costs nothing; 2: on the
// disk, every circuit with rounds and every exercise with its own times.
struct FullCatalogue {
    explicit FullCatalogue(int64_t kind)
        : folder(kind == 0 ? memoryfolder() : std::string()), keyed(kind == 2) {
        fill();
    }

    TempFolder folder;
    bool keyed;
    QuietView view;
    StoringGrid grid;
    ExerciseTable table;
    CircuitEditController editor{view, table};

    void fill() {
        folder.makeApplicationFolder();
        for (int i = 0; i < 100; ++i) {
            TExercise& slot = table[i];
            slot.number = static_cast<uint32_t>(i + 1);
            slot.name = "Exercise number " + std::to_string(i);
            slot.extype = "Upper Body";
        }
        table.librarysize = 100;
        std::string exercises;
        for (int i = 0; i < 100; ++i)
            exercises += "Exercise number " + std::to_string(i) +
                         (keyed ? "\trest=10 work=40 reps=12 sides=2\r\n" : "\r\n");
        const std::string seconds =
            keyed ? "30 rounds=99 roundrest=60 warmup=120 cooldown=60" : "30";
        for (int n = 0; n < kCatalogueRows; ++n) {
            const std::string name = "Circuit " + std::to_string(n);
            folder.writeFile("Circuits/" + name + ".cir",
                             name + "\r\nUpper Body\r\n" + seconds + "\r\n15\r\n" + exercises);
        }
        editor.setCatalogueGrid(&grid);
        editor.modifycircuit(folder.path() + "Circuits/Circuit 499.cir");
    }
};

void nameKeystroke(benchmark::State& state) {
    FullCatalogue catalogue(state.range(0));
    const std::string names[2] = {"Circuit 499x", "Circuit 499"};
    int next = 0;
    for (auto _ : state) {
        catalogue.view.name = names[next];
        next = 1 - next;
        catalogue.editor.edt_circuitnameChange();
    }
}

void intervalKeystroke(benchmark::State& state) {
    FullCatalogue catalogue(state.range(0));
    const std::string texts[2] = {"31", "30"};
    int next = 0;
    for (auto _ : state) {
        catalogue.view.intervals[0] = texts[next];
        next = 1 - next;
        catalogue.editor.spn_exerciseChange();
    }
    benchmark::DoNotOptimize(catalogue.grid.cells.data());
}

void nameFieldExit(benchmark::State& state) {
    FullCatalogue catalogue(state.range(0));
    for (auto _ : state)
        catalogue.editor.edt_circuitnameExit();
}

} // namespace

void configure(benchmark::internal::Benchmark* bench) {
    bench->Arg(1)
        ->Arg(0)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly();
}

BENCHMARK(nameKeystroke)->Apply(configure);
BENCHMARK(intervalKeystroke)->Apply(configure);
BENCHMARK(nameFieldExit)->Apply(configure);
