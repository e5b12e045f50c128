// Feeds arbitrary bytes to the library loader through a real file, then checks
// the table's invariants, that a load followed by a save never writes fewer
// records than the load read (a table that lacks records refuses to save), and
// that a save and a second load give the same table. The line ends are found
// both 16 and 32 bytes at a time (where the processor has AVX2), and both
// must read the same table.

#include "data/atomicfile.h"
#include "data/exercises.h"
#include "fuzzsupport.h"
#include "data/ioerror.h"
#include "data/lineblocks.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// One temporary folder for the whole process, removed at exit.
struct Files {
    Files() : folder(makeScratchFolder()) {
        input = folder + "/input.lst";
        saved = folder + "/saved.lst";
    }
    ~Files() {
        ::unlink(input.c_str());
        ::unlink(saved.c_str());
        ::rmdir(folder.c_str());
    }
    std::string folder, input, saved;
};

bool saveRefused(const ExerciseTable& table, const std::string& path) {
    try {
        saveexercises(table, path);
    } catch (const IoError&) {
        return true;
    }
    return false;
}

bool sameRecord(const TExercise& a, const TExercise& b) {
    return a.number == b.number && a.name == b.name && a.extype == b.extype &&
           a.description == b.description && a.online == b.online;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Files files;
    static auto first = std::make_unique<ExerciseTable>();
    static auto second = std::make_unique<ExerciseTable>();

    writeInput(files.input, data, size);
    setwidelineblocks(false);
    bool narrowFailed = false;
    try {
        loadexercises(*second, files.input);
    } catch (const IoError&) {
        narrowFailed = true;
    }
    setwidelineblocks(true);

    LoadResult result;
    try {
        result = loadexercises(*first, files.input);
    } catch (const IoError&) {
        // A number line that is not a number: the file holds records the table
        // may lack, so no save may replace it.
        check(narrowFailed);
        ::unlink(files.saved.c_str());
        check(!first->holdsfile() && saveRefused(*first, files.saved));
        check(::access(files.saved.c_str(), F_OK) != 0);
        return 0;
    }
    check(!narrowFailed && second->librarysize == first->librarysize);
    for (int slot = 0; slot < kExerciseSlots; ++slot)
        check(sameRecord((*first)[slot], (*second)[slot]));
    check(result.loaded == first->librarysize);
    check(first->librarysize >= 0 && first->librarysize <= kLibraryCapacity);
    check(first->selectedexercise == 0);
    check(!result.truncated || first->librarysize == kLibraryCapacity);
    for (int slot = first->librarysize; slot < kExerciseSlots; ++slot)
        check(sameRecord((*first)[slot], TExercise{}));
    // No record reads as an empty slot, whatever number its file gave.
    for (int slot = 0; slot < first->librarysize; ++slot)
        check((*first)[slot].number != 0);
    if (result.truncated) {
        check(!first->holdsfile() && saveRefused(*first, files.saved));
        return 0;
    }
    check(first->holdsfile());

    saveexercises(*first, files.saved);
    const LoadResult again = loadexercises(*second, files.saved);
    check(!again.truncated && again.loaded == first->librarysize);
    for (int slot = 0; slot < kExerciseSlots; ++slot)
        check(sameRecord((*first)[slot], (*second)[slot]));
    return 0;
}
