#include "exercises.h"

#include "atomicfile.h"
#include "textreader.h"
#include "textwriter.h"

#include <algorithm>

namespace {

// A number that wrapped round past 2^32 - 1 would read as an empty slot.
uint32_t nonzero(uint32_t number) { return number == 0 ? 1 : number; }

} // namespace

ExerciseTable& exercisetable() {
    static ExerciseTable table;
    return table;
}

LoadResult loadexercises(ExerciseTable& table, const std::string& path) {
    TextReader reader(path);
    int32_t count = 0;
    LoadResult result;
    // A record starts only where something other than blanks remains, so blank
    // lines after the last record add nothing.
    while (!reader.onlyBlanksRemain()) {
        if (count == kLibraryCapacity) {
            result.truncated = true;
            break;
        }
        // A record is stored only once all five lines have been read: a load
        // that fails inside a record leaves that slot as it was.
        TExercise record;
        record.number = static_cast<uint32_t>(reader.readNumber());
        reader.readLine(record.name);
        reader.readLine(record.extype);
        reader.readLine(record.description);
        record.online = static_cast<uint8_t>(reader.readNumber());
        table.entries[static_cast<size_t>(count)] = std::move(record);
        ++count;
    }
    // Slots past the records just read are emptied, so no record of an earlier
    // load can still be found by a lookup.
    for (int slot = count; slot < kExerciseSlots; ++slot)
        table.entries[static_cast<size_t>(slot)] = TExercise{};
    table.librarysize = count;
    table.selectedexercise = 0;
    result.loaded = count;
    return result;
}

void saveexercises(const ExerciseTable& table, const std::string& path) {
    std::string bytes;
    const int count = std::min<int>(table.librarysize, kLibraryCapacity);
    bytes.reserve(static_cast<size_t>(count) * 96);
    for (int slot = 0; slot < count; ++slot) {
        const TExercise& record = table.entries[static_cast<size_t>(slot)];
        appendline(bytes, std::to_string(record.number));
        appendline(bytes, record.name);
        appendline(bytes, record.extype);
        appendline(bytes, record.description);
        appendline(bytes, std::to_string(static_cast<unsigned>(record.online)));
    }
    writefileatomically(path, bytes);
}

int findexercisebynumber(const ExerciseTable& table, uint32_t number) {
    for (int slot = 0; slot < kNoExercise; ++slot)
        if (table.entries[static_cast<size_t>(slot)].number == number)
            return slot;
    return kNoExercise;
}

int findexercisebyname(const ExerciseTable& table, const std::string& name) {
    for (int slot = 0; slot < kNoExercise; ++slot)
        if (table.entries[static_cast<size_t>(slot)].name == name)
            return slot;
    return kNoExercise;
}

int addexercisefromeditor(ExerciseTable& table, const std::string& name,
                          const std::string& description) {
    if (table.librarysize >= kLibraryCapacity)
        return -1;
    int slot = 0;
    while (slot < kLibraryCapacity && !table.entries[static_cast<size_t>(slot)].name.empty())
        ++slot;
    if (slot == kLibraryCapacity)
        return -1;
    const uint32_t before = slot > 0 ? table.entries[static_cast<size_t>(slot - 1)].number : 0;
    TExercise& record = table.entries[static_cast<size_t>(slot)];
    record.number = nonzero(before + 250 + static_cast<uint32_t>(table.librarysize));
    record.name = name;
    record.description = description;
    record.online = 0;
    ++table.librarysize;
    return slot;
}

int addexercisefromupdate(ExerciseTable& table, const std::string& name, const std::string& extype,
                          const std::string& description) {
    if (table.librarysize >= kLibraryCapacity)
        return -1;
    const int slot = table.librarysize;
    const uint32_t number =
        slot > 0 ? nonzero(table.entries[static_cast<size_t>(slot - 1)].number + 1) : uint32_t{1};
    table.entries[static_cast<size_t>(slot)] = TExercise{number, name, extype, description, 1};
    ++table.librarysize;
    return slot;
}

void removeexercise(ExerciseTable& table, int slot) {
    if (slot < 0 || slot >= kNoExercise)
        return;
    const bool heldRecord = slot < table.librarysize;
    // Each slot takes the one after it, until an empty slot has been copied down.
    for (int i = slot; i < kNoExercise; ++i) {
        const bool nextEmpty = table.entries[static_cast<size_t>(i + 1)].number == 0;
        table.entries[static_cast<size_t>(i)] = table.entries[static_cast<size_t>(i + 1)];
        if (nextEmpty)
            break;
    }
    if (heldRecord)
        --table.librarysize;
}
