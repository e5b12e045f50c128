#pragma once

#include "data/namehash.h"
#include "data/shorttext.h"

#include "data/filetext.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One exercise of the library.
struct TExercise {
    uint32_t number = 0; // 0 marks an empty slot
    std::string name;
    std::string extype;
    std::string description;
    uint8_t online = 0; // 1: the exercise has a Kinoradex page
};

inline constexpr int kLibraryCapacity = 500; // records
inline constexpr int kExerciseSlots = 501;   // slot 500 always stays empty
inline constexpr int kNoExercise = 500;      // what a failed lookup returns

// Finds the lowest slot (0 .. 499) holding a name without walking the table: a
// fixed open-addressing table of slot numbers, so copying the exercise table
// copies an index that still fits it, and building it allocates nothing.
class ExerciseNameIndex final {
public:
    void build(const std::array<TExercise, kExerciseSlots>& entries);
    // The slot, or kNoExercise when no slot below 500 holds the name.
    int find(const std::array<TExercise, kExerciseSlots>& entries, std::string_view name) const;

private:
    static constexpr size_t kBuckets = 1024; // a power of two, twice the slots
    std::array<int16_t, kBuckets> m_slots{};
};

// The exercise table: records in slots 0 .. librarysize - 1 without gaps.
//
// Every way to change a slot (operator[] without const, the adding and
// removing functions, a load) marks the name index for rebuilding; the next
// lookup by name rebuilds it once.
struct ExerciseTable {
    int32_t librarysize = 0;
    int32_t selectedexercise = 0;
    // Why the table does not hold what its library file holds; empty while it
    // does. A load that fails or leaves records out sets it, and while it is set
    // no save may replace the file (saveexercises refuses). A table that was
    // never loaded, and a missing file, count as holding: nothing can be lost.
    FileText unheldreason;

    bool holdsfile() const { return unheldreason.empty(); }

    TExercise& operator[](int slot) {
        m_indexStale = true;
        return m_entries.at(static_cast<size_t>(slot));
    }
    const TExercise& operator[](int slot) const { return m_entries.at(static_cast<size_t>(slot)); }
    const std::array<TExercise, kExerciseSlots>& allslots() const { return m_entries; }

    int findname(std::string_view name) const;

private:
    std::array<TExercise, kExerciseSlots> m_entries{};
    mutable ExerciseNameIndex m_index;
    mutable bool m_indexStale = true;
};

// The program-wide table.
ExerciseTable& exercisetable();

struct LoadResult {
    int32_t loaded = 0;     // records now in the table
    bool truncated = false; // the file held more than 500 records; the rest were left out
};

// Reads the library file into the table. On an IoError the records already read
// stay stored, but librarysize and selectedexercise keep their previous values.
// Blank lines after the last record add nothing. A number line that does not
// hold a usable number (0, or beyond 32 bits) gets a fresh number after the
// highest one in the file, so no record reads as an empty slot.
// Sets or clears the table's unheldreason (see ExerciseTable).
LoadResult loadexercises(ExerciseTable& table, const std::string& path);

// Raises IoError, naming the file and the reason, while the table does not
// hold what its file holds; a save would lose the records it lacks.
void checklibrarysave(const ExerciseTable& table, const std::string& path);

// Replaces the file atomically with slots 0 .. librarysize - 1. On failure the
// previous file stays whole and IoError is raised. Refused (checklibrarysave)
// while the table does not hold what the file holds.
void saveexercises(const ExerciseTable& table, const std::string& path);

// 500 when nothing in slots 0..499 matches; the lowest slot when several do.
int findexercisebynumber(const ExerciseTable& table, uint32_t number);
inline int findexercisebyname(const ExerciseTable& table, std::string_view name);

// The editor's adding path: slot librarysize, after the last record, gets
// number (number of the slot before) + 250 + librarysize. Returns the slot, or
// -1 when the table already holds 500 records (nothing changes then).
int addexercisefromeditor(ExerciseTable& table, const std::string& name,
                          const std::string& description);

// The update's adding path: slot librarysize gets number (number of the last
// record) + 1, or 1 in an empty library, and online 1. Returns the slot, or -1
// when the table is full.
int addexercisefromupdate(ExerciseTable& table, const std::string& name, const std::string& extype,
                          const std::string& description);

// Every record after the slot moves down by one; librarysize shrinks when the
// slot held a record. Removing at an empty slot changes nothing. The records
// are the slots below librarysize, whatever numbers they hold.
void removeexercise(ExerciseTable& table, int slot);

// A lookup by name is inlined: the circuit reader makes a hundred in a row.

inline int ExerciseNameIndex::find(const std::array<TExercise, kExerciseSlots>& entries,
                                   std::string_view name) const {
    using namespace namehash;
    static_assert(kNoExercise <= kSlotMask);
    const uint64_t hash = hashOf(name);
    const int16_t tag = tagOf(hash);
    for (size_t bucket = firstBucket(hash, kBuckets);; bucket = (bucket + 1) & (kBuckets - 1)) {
        const int16_t held = m_slots[bucket];
        if (held < 0)
            return kNoExercise;
        if ((held & ~kSlotMask) == tag &&
            sameText(entries[static_cast<size_t>(held & kSlotMask)].name, name))
            return held & kSlotMask;
    }
}

inline int ExerciseTable::findname(std::string_view name) const {
    if (m_indexStale) {
        m_index.build(m_entries);
        m_indexStale = false;
    }
    return m_index.find(m_entries, name);
}

inline int findexercisebyname(const ExerciseTable& table, std::string_view name) {
    return table.findname(name);
}
