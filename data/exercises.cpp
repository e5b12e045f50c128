#include "data/exercises.h"

#include "data/atomicfile.h"
#include "data/ioerror.h"
#include "data/shorttext.h"
#include "data/textreader.h"
#include "data/textwriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <unistd.h>
#include <utility>

namespace {

// A number that wrapped round past 2^32 - 1 would read as an empty slot.
uint32_t nonzero(uint32_t number) { return number == 0 ? 1 : number; }

bool fileismissing(const std::string& path) {
    return ::access(path.c_str(), F_OK) != 0 && errno == ENOENT;
}

// Numbers the file could not give (0, or beyond 32 bits) are handed out after
// the highest one it did give, in slot order.
void numberunnumbered(ExerciseTable& table, int count,
                      const std::array<bool, kExerciseSlots>& bad) {
    uint32_t highest = 0;
    for (int slot = 0; slot < count; ++slot)
        if (!bad[static_cast<size_t>(slot)])
            highest = std::max(highest, table.allslots()[static_cast<size_t>(slot)].number);
    for (int slot = 0; slot < count; ++slot)
        if (bad[static_cast<size_t>(slot)])
            table[slot].number = highest = nonzero(highest + 1);
}

// What reading the records found.
struct RecordsRead {
    int32_t count = 0;
    bool truncated = false;    // more than 500 records
    bool anyBadNumber = false; // see badNumber
};

// Reads the records from the cursor into the slots from 0 on. badNumber marks
// the records whose number the file did not give (0, or beyond 32 bits).
template <typename Blocks>
[[gnu::always_inline]] inline RecordsRead readRecords(LineCursor lines, ExerciseTable& table,
                                                      std::array<bool, kExerciseSlots>& badNumber) {
    RecordsRead read;
    // A record goes into its slot only once all five lines have been read: a
    // load that fails inside a record leaves that slot as it was. The texts
    // are copied straight from the file's bytes into the slot's own strings,
    // whose storage a reload reuses.
    // A record starts only where something other than blanks remains, so blank
    // lines after the last record add nothing.
    int32_t count = 0;
    while (!lines.onlyBlanksRemain()) {
        if (count == kLibraryCapacity) {
            read.truncated = true;
            break;
        }
        const uint64_t number = lines.readNumber<Blocks>();
        const std::string_view name = lines.readLineView<Blocks>();
        const std::string_view extype = lines.readLineView<Blocks>();
        const std::string_view description = lines.readLineView<Blocks>();
        const auto online = static_cast<uint8_t>(lines.readNumber<Blocks>());
        TExercise& record = table[count];
        record.number = static_cast<uint32_t>(number);
        copyText(record.name, name);
        copyText(record.extype, extype);
        copyText(record.description, description);
        record.online = online;
        if (number - 1 >= std::numeric_limits<uint32_t>::max()) [[unlikely]] {
            badNumber[static_cast<size_t>(count)] = true;
            read.anyBadNumber = true;
        }
        ++count;
    }
    read.count = count;
    return read;
}

RecordsRead readRecordsNarrow(const LineCursor& lines, ExerciseTable& table,
                              std::array<bool, kExerciseSlots>& badNumber) {
    return readRecords<NarrowLineBlocks>(lines, table, badNumber);
}

#if defined(STRIDEWELL_WIDE_LINE_BLOCKS)
// The same loop built for processors with AVX2, where a block takes half the
// work; called only where widelineblocks() says the processor has it.
[[gnu::target("avx2,bmi,bmi2")]] RecordsRead
readRecordsWide(const LineCursor& lines, ExerciseTable& table,
                std::array<bool, kExerciseSlots>& badNumber) {
    return readRecords<WideLineBlocks>(lines, table, badNumber);
}
#endif

} // namespace

using namehash::firstBucket;
using namehash::hashOf;
using namehash::kSlotMask;
using namehash::tagOf;

void ExerciseNameIndex::build(const std::array<TExercise, kExerciseSlots>& entries) {
    m_slots.fill(-1);
    for (int slot = 0; slot < kNoExercise; ++slot) {
        const std::string& name = entries[static_cast<size_t>(slot)].name;
        const uint64_t hash = hashOf(name);
        const int16_t tag = tagOf(hash);
        for (size_t bucket = firstBucket(hash, kBuckets);; bucket = (bucket + 1) & (kBuckets - 1)) {
            const int16_t held = m_slots[bucket];
            if (held < 0) {
                m_slots[bucket] = static_cast<int16_t>(tag | slot);
                break;
            }
            if ((held & ~kSlotMask) == tag &&
                sameText(entries[static_cast<size_t>(held & kSlotMask)].name, name))
                break; // a lower slot has the name already
        }
    }
}

ExerciseTable& exercisetable() {
    static ExerciseTable table;
    return table;
}

LoadResult loadexercises(ExerciseTable& table, const std::string& path) {
    LoadResult result;
    int32_t count = 0;
    std::array<bool, kExerciseSlots> badNumber{};
    bool anyBadNumber = false;
    try {
        TextReader reader(path);
        const RecordsRead read =
#if defined(STRIDEWELL_WIDE_LINE_BLOCKS)
            widelineblocks() ? readRecordsWide(reader.lines(), table, badNumber) :
#endif
                             readRecordsNarrow(reader.lines(), table, badNumber);
        count = read.count;
        result.truncated = read.truncated;
        anyBadNumber = read.anyBadNumber;
    } catch (const IoError& error) {
        // A missing file is an empty library that a save may create; anything
        // else leaves the file holding records the table may lack.
        if (fileismissing(path))
            table.unheldreason = {};
        else
            table.unheldreason = {FileTextId::LibraryUnread, {path}, {error.words()}};
        throw;
    }
    // Slots past the records just read are emptied, so no record of an earlier
    // load can still be found by a lookup.
    for (int slot = count; slot < kExerciseSlots; ++slot) {
        const TExercise& held = table.allslots()[static_cast<size_t>(slot)];
        if (held.number != 0 || held.online != 0 || !held.name.empty() || !held.extype.empty() ||
            !held.description.empty())
            table[slot] = TExercise{};
    }
    if (anyBadNumber)
        numberunnumbered(table, count, badNumber);
    table.librarysize = count;
    table.selectedexercise = 0;
    if (result.truncated)
        table.unheldreason = {
            FileTextId::LibraryTooLarge, {path, std::to_string(kLibraryCapacity)}, {}};
    else
        table.unheldreason = {};
    result.loaded = count;
    return result;
}

void checklibrarysave(const ExerciseTable& table, const std::string& path) {
    if (table.holdsfile())
        return;
    throw IoError(FileText{FileTextId::LibraryNotSaved, {path}, {table.unheldreason}});
}

void saveexercises(const ExerciseTable& table, const std::string& path) {
    checklibrarysave(table, path);
    std::string bytes;
    const int count = std::min<int>(table.librarysize, kLibraryCapacity);
    bytes.reserve(static_cast<size_t>(count) * 96);
    for (int slot = 0; slot < count; ++slot) {
        const TExercise& record = table[slot];
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
        if (table[slot].number == number)
            return slot;
    return kNoExercise;
}

int addexercisefromeditor(ExerciseTable& table, const std::string& name,
                          const std::string& description) {
    if (table.librarysize >= kLibraryCapacity)
        return -1;
    // Always after the last record: a record without a name is still a record.
    const int slot = std::max(table.librarysize, 0);
    const uint32_t before = slot > 0 ? table[slot - 1].number : 0;
    TExercise& record = table[slot];
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
    const int slot = std::max(table.librarysize, 0);
    const uint32_t number = slot > 0 ? nonzero(table[slot - 1].number + 1) : uint32_t{1};
    table[slot] = TExercise{number, name, extype, description, 1};
    ++table.librarysize;
    return slot;
}

void removeexercise(ExerciseTable& table, int slot) {
    if (slot < 0 || slot >= table.librarysize || slot >= kLibraryCapacity)
        return; // an empty slot: nothing to remove
    // The records are the slots below librarysize; a number read from the file
    // (even 0) never decides where they end.
    for (int i = slot; i + 1 < table.librarysize; ++i)
        table[i] = std::move(table[i + 1]);
    table[table.librarysize - 1] = TExercise{};
    --table.librarysize;
}
