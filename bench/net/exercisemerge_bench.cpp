// The merge of a fetched exercise list into the library: 1 MiB of groups that
// are all near-duplicates of one another and duplicates of held exercises,
// the case where every group is looked up and none is added.
#include "data/exercises.h"
#include "net/contentupdate.h"
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// 499 exercises whose texts differ only in their last characters.
ExerciseTable nearDuplicateLibrary() {
    ExerciseTable table;
    const std::string common(40, 'x');
    for (int i = 0; i < kLibraryCapacity - 1; ++i) {
        const std::string tag = std::to_string(1000 + i);
        table[i] = TExercise{static_cast<uint32_t>(i + 1), "Press " + common + tag, "Upper Body",
                             "Push " + common + tag, 1};
    }
    table.librarysize = kLibraryCapacity - 1;
    return table;
}

// 1 MiB of the library's own groups, the last ones first.
std::string listOf(const ExerciseTable& table) {
    std::string list;
    while (list.size() < 1024 * 1024) {
        for (int i = table.librarysize - 1; i >= 0 && list.size() < 1024 * 1024; --i) {
            const TExercise& e = table[i];
            list += e.name + "\r\n" + e.extype + "\r\n" + e.description + "\r\n";
        }
    }
    return list;
}

// Counts the reports that the merge found nothing new.
class NothingNewCounter final : public ContentUpdateListener {
public:
    int nothingNewReports = 0;

    void exercisesAdded(int, bool) override {}
    void nothingNew(ContentList) override { ++nothingNewReports; }
    void listFailed(ContentList, const TransferFailure&) override {}
    void circuitsAdded(int) override {}
    void circuitFailed(const std::string&, const TransferFailure&) override {}
    void stepFailed(std::exception_ptr) override {}
};

void BM_mergeNearDuplicateList1MiB(benchmark::State& state) {
    TempFolder folder;
    folder.makeApplicationFolder();
    ExerciseTable table = nearDuplicateLibrary();
    folder.writeFile("newexercises.lst", listOf(table));
    NothingNewCounter reports;
    ContentUpdate update([] {}, reports, {}, table);
    for (auto _ : state) {
        const int before = reports.nothingNewReports;
        update.HTTPGetDoneFile(nullptr, folder.path() + "newexercises.lst", 0);
        if (reports.nothingNewReports != before + 1)
            state.SkipWithError("the list was not merged as duplicates");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1024 * 1024);
}
BENCHMARK(BM_mergeNearDuplicateList1MiB)->Unit(benchmark::kMillisecond);

// For comparison: the same groups looked up by comparing with every slot, as
// a merge without the hash set would.
void BM_linearLookupOfTheSameGroups(benchmark::State& state) {
    const ExerciseTable table = nearDuplicateLibrary();
    const std::string list = listOf(table);
    for (auto _ : state) {
        int held = 0;
        size_t at = 0;
        while (at < list.size()) {
            std::string texts[3];
            for (std::string& text : texts) {
                const size_t end = list.find("\r\n", at);
                text = list.substr(at, end - at);
                at = end + 2;
            }
            for (int slot = 0; slot <= table.librarysize; ++slot) {
                const TExercise& e = table[slot];
                if (e.name == texts[0] && e.extype == texts[1] && e.description == texts[2]) {
                    ++held;
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(held);
    }
}
BENCHMARK(BM_linearLookupOfTheSameGroups)->Unit(benchmark::kMillisecond);

} // namespace
