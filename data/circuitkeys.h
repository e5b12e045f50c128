#pragma once

#include "data/filetext.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a circuit file says beyond its designed lines, as key=value words. The
// exercise-seconds line may go on with circuit keys ("20 rounds=8 warmup=120"),
// an exercise line with a TAB and entry keys ("Push-Up\treps=15 work=40").
// A file that says none of them reads and writes as it always has.

inline constexpr uint32_t kMaxRounds = 99;
inline constexpr uint32_t kMaxKeySeconds = 3600;
inline constexpr uint32_t kMaxReps = 999;

struct CircuitKeys {
    uint32_t rounds = 1;               // 1-99
    std::optional<uint32_t> roundrest; // 0-3600: the rest before rounds 2 and on
    uint32_t warmup = 0;               // 0-3600; 0: none
    uint32_t cooldown = 0;             // 0-3600; 0: none
    std::string unknown;               // words this version does not know, as read
    bool operator==(const CircuitKeys&) const = default;
};

struct EntryKeys {
    std::optional<uint32_t> rest; // 0-3600; absent: the circuit's rest interval
    std::optional<uint32_t> work; // 1-3600; absent: the circuit's exercise interval
    std::optional<uint32_t> reps; // 1-999: a repetition entry; work is its estimate
    uint32_t sides = 1;           // 1, or 2: the work twice, left then right
    std::string unknown;          // words this version does not know, as read
    bool operator==(const EntryKeys&) const = default;
};

// Why a line's words cannot be read.
struct KeyProblem {
    enum class Kind { NotKeyValue, Twice, OutOfRange };
    Kind kind = Kind::NotKeyValue;
    std::string key;  // the key, or the whole word that has no "="
    uint32_t low = 0; // the range a value must lie in (OutOfRange)
    uint32_t high = 0;
};

// Reads words separated by spaces (or TABs) into the record, which starts from its
// defaults; extra spaces between words are fine, keys come in any order.
// Unknown keys are kept in `unknown`, joined by single spaces. Returns the
// first problem, or nothing.
std::optional<KeyProblem> parsecircuitkeys(std::string_view words, CircuitKeys& into);
std::optional<KeyProblem> parseentrykeys(std::string_view words, EntryKeys& into);

// The words a writer puts after the seconds or after the name's TAB: only keys
// that differ from their defaults, in the order rounds, roundrest, warmup,
// cooldown (rest, work, reps, sides), then the unknown ones. "" when there is
// nothing to say. An entry's rest and work default to the circuit's intervals.
std::string circuitkeywords(const CircuitKeys& keys);
std::string entrykeywords(const EntryKeys& keys, uint32_t exerciseinterval,
                          uint32_t restinterval);

// An exercise line split at its first TAB: the name and the words after it.
// A line whose tail holds no "=" is all name, as files have always been read.
struct ExerciseLine {
    std::string_view name;
    std::string_view words; // empty: no keys
    bool hasKeys = false;
};
ExerciseLine splitexerciseline(std::string_view line);

// The keys in what follows the number on the seconds line: the words when
// they hold a "="; "" for a designed line ("45" or "45 and text").
std::string_view circuitkeywordsof(std::string_view afterSeconds);

// "\"rounds\" must be a number from 1 to 99", and the like.
std::string keyproblemreason(const KeyProblem& problem);
// "<path>, line 3: \"rounds\" must be a number from 1 to 99", and the like.
FileText keyproblemtext(const std::string& path, int64_t line, const KeyProblem& problem);
