// What an import costs as the command line does it: the library loaded, the
// file read (another timer's backup through the import module), every
// circuit checked and written, the library saved when it grew. On disk, where
// each file's sync counts, and in memory, where it costs nothing.

#include "data/apppaths.h"
#include "data/exercises.h"
#include "data/fileimport.h"
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kWorkouts = 100;
constexpr int kExercisesEach = 20;

// A Just Another Workout Timer backup: each workout a warm-up set of one
// round and one exercise, then three rounds of 20 exercises with rests
// between them, named "Exercise 0" to "Exercise 499" in turn.
std::string backup() {
    std::string json = "{\"workouts\":[";
    for (int workout = 0; workout < kWorkouts; ++workout) {
        json += workout ? "," : "";
        json += "{\"title\":\"Workout " + std::to_string(workout) +
                "\",\"sets\":[{\"repetitions\":1,\"exercises\":[{\"name\":\"Jumping jacks\","
                "\"duration\":60}]},{\"repetitions\":3,\"exercises\":[";
        for (int i = 0; i < kExercisesEach; ++i) {
            const int number = (workout * kExercisesEach + i) % 500;
            json += i ? "," : "";
            json += "{\"name\":\"Exercise " + std::to_string(number) + "\",\"duration\":" +
                    std::to_string(30 + i % 3 * 5) + "},{\"name\":\"Rest\",\"duration\":15}";
        }
        json += "]}],\"version\":2,\"position\":" + std::to_string(workout) + "}";
    }
    return json + "]}";
}

// The library holds "Exercise 0" on, all but the last `missing`, which the
// import adds (as far as the library has room).
void importBackup(benchmark::State& state, bool onDisk, int missing) {
    const std::string file = backup();
    std::string library;
    for (int i = 0; i < 500 - missing; ++i)
        library += std::to_string(i + 1) + "\r\nExercise " + std::to_string(i) +
                   "\r\nUpper Body\r\nA description of some length.\r\n0\r\n";
    auto table = std::make_unique<ExerciseTable>();
    for (auto _ : state) {
        TempFolder folder(onDisk ? std::string() : memoryfolder());
        folder.writeFile("exercises.lst", library);
        folder.writeFile("Backup.json", file);
        const auto start = std::chrono::steady_clock::now();
        loadexercises(*table, folder.path() + "exercises.lst");
        const FileImport result = importfile(folder.path() + "Backup.json", *table,
                                             folder.path() + "exercises.lst",
                                             folder.path() + "Circuits/");
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        if (result.added.circuits.size() != kWorkouts)
            state.SkipWithError("not every workout was imported");
        state.counters["exercises_added"] = static_cast<double>(result.added.exercises.size());
    }
}

} // namespace

// 100 workouts of 20 exercises into a full library of 500, and into one of
// 480 that the import fills.
BENCHMARK_CAPTURE(importBackup, backup100x20_library500_disk, true, 0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importBackup, backup100x20_library500_memory, false, 0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importBackup, backup100x20_library480_disk, true, 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
