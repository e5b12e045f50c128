#pragma once

#include <array>
#include <cstdint>
#include <string>

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

// The exercise table: records in slots 0 .. librarysize - 1 without gaps.
struct ExerciseTable {
    std::array<TExercise, kExerciseSlots> entries{};
    int32_t librarysize = 0;
    int32_t selectedexercise = 0;

    TExercise& operator[](int slot) { return entries.at(static_cast<size_t>(slot)); }
    const TExercise& operator[](int slot) const { return entries.at(static_cast<size_t>(slot)); }
};

// The program-wide table.
ExerciseTable& exercisetable();

struct LoadResult {
    int32_t loaded = 0;     // records now in the table
    bool truncated = false; // the file held more than 500 records; the rest were left out
};

// Reads the library file into the table. On an IoError the records already read
// stay stored, but librarysize and selectedexercise keep their previous values.
// Blank lines after the last record add nothing.
LoadResult loadexercises(ExerciseTable& table, const std::string& path);

// Replaces the file atomically with slots 0 .. librarysize - 1. On failure the
// previous file stays whole and IoError is raised.
void saveexercises(const ExerciseTable& table, const std::string& path);

// Both walk all 501 slots; 500 when nothing in slots 0..499 matches.
int findexercisebynumber(const ExerciseTable& table, uint32_t number);
int findexercisebyname(const ExerciseTable& table, const std::string& name);

// The editor's adding path: the first slot with an empty name gets number
// (number of the slot before) + 250 + librarysize. Returns the slot, or -1 when
// the table already holds 500 records (nothing changes then).
int addexercisefromeditor(ExerciseTable& table, const std::string& name,
                          const std::string& description);

// The update's adding path: slot librarysize gets number (number of the last
// record) + 1, or 1 in an empty library, and online 1. Returns the slot, or -1
// when the table is full.
int addexercisefromupdate(ExerciseTable& table, const std::string& name, const std::string& extype,
                          const std::string& description);

// Every record after the slot moves down by one; librarysize shrinks when the
// slot held a record. Removing at an empty slot changes nothing.
void removeexercise(ExerciseTable& table, int slot);
