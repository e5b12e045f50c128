// What rounds, per-exercise times and the like cost: the catalogue scan of
// circuits that use keys everywhere against designed circuits of the same
// size, and building the plan of the largest circuit there can be.

#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kCircuitFiles = 500;
constexpr const char* kCircuitKeys = " rounds=3 roundrest=60 warmup=120 cooldown=60";
// Every exercise key on every line: the most a line can say.
constexpr const char* kEntryKeys = "\trest=10 work=40 reps=12 sides=2";
// One key a line, as most keyed circuits have ("Plank<TAB>work=60").
constexpr const char* kOneEntryKey = "\twork=40";

// 500 circuits of 100 exercises. With keys, line 3 and every exercise line
// say them; without, the names are longer by as many bytes, so both folders
// hold the same bytes.
std::string circuitText(int file, bool keyed, const char* entryKeys = kEntryKeys) {
    const std::string circuitPad(std::string(kCircuitKeys).size(), 'x');
    const std::string entryPad(std::string(entryKeys).size(), 'x');
    std::string text = "Circuit " + std::to_string(file) + "\r\nUpper Body\r\n45" +
                       (keyed ? kCircuitKeys : "") + "\r\n15\r\n";
    if (!keyed)
        text.insert(0, circuitPad); // the same bytes, in the name
    for (int i = 0; i < kMaxCircuitExercises; ++i)
        text += "Exercise number " + std::to_string((file + i * 5) % 500) +
                (keyed ? entryKeys : entryPad) + "\r\n";
    return text;
}

struct ScanFolders {
    ScanFolders() {
        for (int file = 0; file < kCircuitFiles; ++file) {
            const std::string name = "Circuits/circuit" + std::to_string(file) + ".cir";
            designed.writeFile(name, circuitText(file, false));
            keyed.writeFile(name, circuitText(file, true));
            oneKey.writeFile(name, circuitText(file, true, kOneEntryKey));
            oneKeyDesigned.writeFile(name, circuitText(file, false, kOneEntryKey));
        }
    }
    TempFolder designed;
    TempFolder keyed;
    TempFolder oneKey;
    TempFolder oneKeyDesigned;
};

ScanFolders& folders() {
    static ScanFolders instance;
    return instance;
}

class NullGrid final : public CircuitGrid {
public:
    void setcell(int column, int row, const std::string& text) override {
        m_cells[static_cast<size_t>(row * kCatalogueColumns + column)] = text;
    }

private:
    std::array<std::string, kCatalogueRows * kCatalogueColumns> m_cells;
};

// Arg 0: designed circuits; Arg 1: the same bytes with every key on every
// line. Arg 2 and 3: the same with one key a line.
void BM_ScanCircuitsWithKeys(benchmark::State& state) {
    const TempFolder* const sets[] = {&folders().designed, &folders().keyed,
                                      &folders().oneKeyDesigned, &folders().oneKey};
    sets[state.range(0)]->makeApplicationFolder();
    auto grid = std::make_unique<NullGrid>();
    for (auto _ : state)
        benchmark::DoNotOptimize(scancircuits(*grid).size());
    const char* const labels[] = {
        "scancircuits, 500 designed files of the same size",
        "scancircuits, 500 files of 100, every key on every line",
        "scancircuits, 500 designed files of the same size",
        "scancircuits, 500 files of 100, one key a line",
    };
    state.SetLabel(labels[state.range(0)]);
}
BENCHMARK(BM_ScanCircuitsWithKeys)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The largest plan: 100 exercises, each on two sides, 99 rounds, warm-up and
// cool-down. Arg 0 builds into a kept plan, as the runner does; Arg 1 into a
// new one; Arg 2 only sums the planned time, as the grid does.
void BM_BuildPlan(benchmark::State& state) {
    auto circuit = std::make_unique<TCircuit2>();
    circuit->exerciseinterval = 40;
    circuit->restinterval = 15;
    circuit->exercisecount = kMaxCircuitExercises;
    circuit->keys.rounds = kMaxRounds;
    circuit->keys.roundrest = 60;
    circuit->keys.warmup = 300;
    circuit->keys.cooldown = 300;
    for (int i = 0; i < kMaxCircuitExercises; ++i) {
        TExercise2& entry = circuit->exercises[static_cast<size_t>(i)];
        entry.number = 500;
        entry.name = "Exercise " + std::to_string(i);
        entry.keys.work = 30 + static_cast<uint32_t>(i % 7);
        entry.keys.sides = 2;
    }
    CircuitPlan kept;
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            buildplan(*circuit, kept);
            benchmark::DoNotOptimize(kept.plannedseconds);
            break;
        case 1:
            benchmark::DoNotOptimize(buildplan(*circuit).plannedseconds);
            break;
        default:
            benchmark::DoNotOptimize(plannedseconds(*circuit));
        }
    }
    state.SetLabel(state.range(0) == 0   ? "buildplan into a kept plan, 100 x 2 sides x 99 rounds"
                   : state.range(0) == 1 ? "buildplan into a new plan"
                                         : "plannedseconds alone");
}
BENCHMARK(BM_BuildPlan)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
