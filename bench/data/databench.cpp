// Costs of the data layer's file work. Each reading benchmark comes in a pair:
// Arg(0) runs the program's own code, Arg(1) only opens and reads the same
// bytes, the floor no parser can beat.

#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/circuitfile.h"
#include "data/exercises.h"
#include "data/lineblocks.h"
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kCircuitFiles = 500;

// The floor: the same open, read and close a reader cannot do without.
size_t readBytes(const std::string& path) {
    static std::string bytes;
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<size_t>(got));
    ::close(fd);
    return bytes.size();
}

std::string exerciseName(int slot) { return "Exercise number " + std::to_string(slot); }

// One application folder for the whole run: a full library and 500 circuits of
// 100 exercises each, every exercise a name from the library.
struct Fixture {
    Fixture() {
        for (int slot = 0; slot < kLibraryCapacity; ++slot)
            addexercisefromupdate(*table, exerciseName(slot), "Multiple Area Workout",
                                  "Stand tall, brace the core and keep a steady rhythm");
        saveexercises(*table, libraryPath());
        for (int file = 0; file < kCircuitFiles; ++file) {
            std::string text = "Circuit " + std::to_string(file) + "\r\nUpper Body\r\n45\r\n15\r\n";
            for (int i = 0; i < kMaxCircuitExercises; ++i)
                text += exerciseName((file + i * 5) % kLibraryCapacity) + "\r\n";
            folder.writeFile("Circuits/" + circuitName(file), text);
        }
        folder.makeApplicationFolder();
    }
    std::string libraryPath() const { return folder.path() + "exercises.lst"; }
    std::string circuitPath(int file) const { return folder.path() + "Circuits/" + circuitName(file); }
    static std::string circuitName(int file) { return "circuit" + std::to_string(file) + ".cir"; }

    TempFolder folder;
    std::unique_ptr<ExerciseTable> table = std::make_unique<ExerciseTable>();
};

Fixture& fixture() {
    static Fixture instance;
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

// Arg 2 loads with the sixteen-byte blocks of processors without AVX2; on
// those, Arg 0 is the same.
void BM_LoadLibrary(benchmark::State& state) {
    Fixture& f = fixture();
    auto table = std::make_unique<ExerciseTable>();
    const bool floor = state.range(0) == 1;
    setwidelineblocks(state.range(0) != 2);
    for (auto _ : state) {
        if (floor)
            benchmark::DoNotOptimize(readBytes(f.libraryPath()));
        else
            benchmark::DoNotOptimize(loadexercises(*table, f.libraryPath()));
    }
    setwidelineblocks(true);
    const std::string blocks = widelineblocks() || state.range(0) == 2 ? "" : ", no AVX2 here";
    state.SetLabel(floor                 ? "io floor"
                   : state.range(0) == 2 ? "loadexercises, 500 records, 16-byte blocks"
                                         : "loadexercises, 500 records" + blocks);
}
BENCHMARK(BM_LoadLibrary)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Arg 0 reads into a record kept from the read before, as the runner, the
// editor and the information panel do; Arg 2 into a new record each time,
// which then allocates its hundred names and descriptions.
void BM_ReadCircuit(benchmark::State& state) {
    Fixture& f = fixture();
    const std::string path = f.circuitPath(0);
    auto kept = std::make_unique<TCircuit2>();
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            readcircuit(path, *f.table, *kept);
            benchmark::DoNotOptimize(kept->exercisecount);
            break;
        case 1:
            benchmark::DoNotOptimize(readBytes(path));
            break;
        default:
            benchmark::DoNotOptimize(readcircuit(path, *f.table).exercisecount);
        }
    }
    state.SetLabel(state.range(0) == 1   ? "io floor"
                   : state.range(0) == 0 ? "readcircuit into a kept record, 100 exercises"
                                         : "readcircuit into a new record, 100 exercises");
}
BENCHMARK(BM_ReadCircuit)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_ScanCircuits(benchmark::State& state) {
    Fixture& f = fixture();
    auto grid = std::make_unique<NullGrid>();
    const bool floor = state.range(0) != 0;
    for (auto _ : state) {
        if (floor) {
            for (int file = 0; file < kCircuitFiles; ++file)
                benchmark::DoNotOptimize(readBytes(f.circuitPath(file)));
        } else {
            scancircuits(*grid);
        }
    }
    state.SetLabel(floor ? "io floor" : "scancircuits, 500 files of 100");
}
BENCHMARK(BM_ScanCircuits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg: 1 saves to the disk, 0 to memory, where the sync before the rename
// costs nothing.
void BM_SaveLibrary(benchmark::State& state) {
    Fixture& f = fixture();
    const TempFolder inMemory(memoryfolder());
    const std::string path =
        state.range(0) ? f.libraryPath() : inMemory.path() + "exercises.lst";
    for (auto _ : state)
        saveexercises(*f.table, path);
    state.SetLabel(state.range(0) ? "saveexercises, synced" : "saveexercises, no sync");
}
BENCHMARK(BM_SaveLibrary)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
