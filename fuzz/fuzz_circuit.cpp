// Feeds arbitrary bytes as a circuit file to the circuit reader, the summary
// reader and the catalogue scan, checks that they agree, that a read followed
// by a write never writes fewer exercises than the read found (a record that
// could not keep them all refuses to be written), and that a write and a
// second read give the same circuit, its keys and plan included.

#include "data/apppaths.h"
#include "data/atomicfile.h"
#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "fuzzsupport.h"
#include "data/ioerror.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class CountGrid final : public CircuitGrid {
public:
    void setcell(int column, int row, const std::string& text) override {
        check(row == 0 && column >= 0 && column < kCatalogueColumns);
        cells[static_cast<size_t>(column)] = text;
    }
    std::array<std::string, kCatalogueColumns> cells;
};

// An application folder for the whole process, with a small library whose
// names the inputs may hit.
struct Files {
    Files() : folder(makeScratchFolder()) {
        setapplicationfolder(folder);
        check(::mkdir(circuitsfolder().c_str(), 0700) == 0);
        input = circuitsfolder() + "input.cir";
        copy = folder + "/copy.cir";
        for (const char* name : {"Squat", "Plank", "", "A"})
            addexercisefromupdate(*table, name, "Abdominal", "text");
    }
    ~Files() {
        ::unlink(input.c_str());
        ::unlink(copy.c_str());
        ::rmdir(circuitsfolder().c_str());
        ::rmdir(folder.c_str());
    }
    std::string folder, input, copy;
    std::unique_ptr<ExerciseTable> table = std::make_unique<ExerciseTable>();
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Files files;
    writeInput(files.input, data, size);

    TCircuit2 circuit;
    try {
        circuit = readcircuit(files.input, *files.table);
    } catch (const IoError&) {
        // A bad interval: the summary and the scan must refuse it as well.
        bool refused = false;
        try {
            readcircuitsummary(files.input);
        } catch (const IoError&) {
            refused = true;
        }
        check(refused);
        CountGrid grid;
        const std::vector<UnreadableFile> unreadable = scancircuits(grid);
        check(unreadable.size() == 1 && unreadable[0].path == files.input);
        return 0;
    }
    check(circuit.exercisecount >= 0);
    const int stored = std::min(circuit.exercisecount, kMaxCircuitExercises);
    for (int i = 0; i < kCircuitEntries; ++i)
        check((circuit.exercises[static_cast<size_t>(i)].number != 0) == (i < stored));

    const TCircuit summary = readcircuitsummary(files.input);
    check(summary.circuitname == circuit.circuitname && summary.circuittype == circuit.circuittype);
    check(summary.exerciseinterval == circuit.exerciseinterval &&
          summary.restinterval == circuit.restinterval);
    check(summary.exercisecount == circuit.exercisecount);

    CountGrid grid;
    check(scancircuits(grid).empty());
    check(grid.cells[2] == std::to_string(summary.exercisecount));
    check(grid.cells[3] == plannedtimetext(summary));

    if (circuit.exercisecount > kMaxCircuitExercises) {
        ::unlink(files.copy.c_str());
        bool refused = false;
        try {
            writecircuit(files.copy, circuit);
        } catch (const IoError&) {
            refused = true;
        }
        check(refused && ::access(files.copy.c_str(), F_OK) != 0);
        return 0;
    }
    writecircuit(files.copy, circuit);
    const TCircuit2 back = readcircuit(files.copy, *files.table);
    check(back.circuitname == circuit.circuitname && back.circuittype == circuit.circuittype);
    check(back.exerciseinterval == circuit.exerciseinterval &&
          back.restinterval == circuit.restinterval);
    check(back.exercisecount == circuit.exercisecount);
    for (size_t i = 0; i < kCircuitEntries; ++i) {
        check(back.exercises[i].name == circuit.exercises[i].name);
        check(back.exercises[i].number == circuit.exercises[i].number);
        const EntryKeys& was = circuit.exercises[i].keys;
        const EntryKeys& is = back.exercises[i].keys;
        check(is.reps == was.reps && is.sides == was.sides && is.unknown == was.unknown);
    }
    // Keys come back as read (an entry's rest or work that says the circuit's
    // own value may go), and so the plan is the same.
    check(back.keys == circuit.keys);
    const CircuitPlan planned = buildplan(circuit);
    const CircuitPlan replanned = buildplan(back);
    check(planned.plannedseconds == replanned.plannedseconds &&
          planned.phases.size() == replanned.phases.size());
    for (size_t i = 0; i < planned.phases.size(); ++i)
        check(planned.phases[i].kind == replanned.phases[i].kind &&
              planned.phases[i].seconds == replanned.phases[i].seconds);
    return 0;
}
