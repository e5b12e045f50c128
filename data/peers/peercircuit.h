#pragma once

// What the four format readers share: names, rests, numbers, and the one way
// a workout becomes circuits. Inside the peers folder only.

#include "data/peers/jsonvalue.h"
#include "data/peers/peerimport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace peers {

// A workout that cannot be read as its format says (a string where a number
// belongs, a negative time): thrown by a reader, caught for that workout alone.
struct Unreadable {};

// A workout beyond what a circuit holds, found while it is read: thrown, and
// noted under the workout's name.
struct Refused {
    PeerNoteId id = PeerNoteId::RefusedTooManyExercises;
    uint64_t value = 0;
    uint64_t most = 0;
};
PeerNote refusalnote(const std::string& workout, const Refused& refused);

// --- Names ------------------------------------------------------------------

// A circuit name, which is also a file name: control characters become
// spaces, / \ < > : " | ? * become "-", the ends are trimmed and the name is
// cut to kLongestPeerName bytes, which leaves room for a number after it.
// Empty, or dots only: `untitled`.
// "Legs\r\n" -> "Legs", "A/B: C?" -> "A-B- C-", "..." -> untitled.
inline constexpr size_t kLongestPeerName = 180;
std::string circuitname(std::string_view text, std::string_view untitled = "Workout");
// An exercise name: control characters become spaces, the ends are trimmed,
// the name is cut to 200 bytes; empty: `unnamed`.
std::string exercisename(std::string_view text, std::string_view unnamed = "Exercise");

// Whether a step's name says it is a rest: one of its words, in any letter
// case, is a word for rest in a language the apps speak. "Rest", "Round
// rest", "PAUSE", "Отдых", "休息 « pause »" are rests; "Wrist curls" and
// "Breakdance" are not.
bool isrestname(std::string_view name);

// --- Numbers ----------------------------------------------------------------

// A whole number of at least 0: "30", "30.0", "3e1". One beyond 64 bits reads
// as the largest; a negative or broken number, a fraction, another type raise
// Unreadable.
uint64_t count(const JsonValue& value);
// The same of an object's member; `fallback` when it is absent or null.
uint64_t countor(const JsonValue& object, std::string_view key, uint64_t fallback);
// An object's member that must be there as an object, or as an array.
JsonValue needobject(const JsonValue& object, std::string_view key);
JsonValue needarray(const JsonValue& object, std::string_view key);
// A member's text when it is a string; `fallback` when absent or null;
// Unreadable for another type.
std::string_view textor(const JsonValue& object, std::string_view key, std::string_view fallback);

// Milliseconds to seconds, half up: 1500 -> 2, 1499 -> 1.
uint64_t secondsofmilliseconds(uint64_t milliseconds);
uint64_t addsaturated(uint64_t a, uint64_t b);
uint64_t multiplysaturated(uint64_t a, uint64_t b);

// --- Workouts ---------------------------------------------------------------

// One exercise of a circuit as a workout plays it.
struct DraftEntry {
    std::string name;
    uint64_t work = 0;
    uint64_t restBefore = 0; // the rest after the exercise before it (not of the first)
};

// A circuit as the formats give it, before it is checked and written. The
// circuit's exercise time is the most frequent work time (ties: the first),
// its rest time the most frequent rest between exercises; entries that
// differ carry their own.
struct CircuitDraft {
    std::string name;
    uint64_t rounds = 1;
    std::vector<DraftEntry> entries;
    std::optional<uint64_t> leadIn; // the rest before the first exercise, where the workout has one
    std::optional<uint64_t> roundRest; // the rest before rounds 2 and on
    std::optional<uint64_t> ownWork;   // the format's one exercise time, where it has one
    std::optional<uint64_t> ownRest;   // the format's one rest time, where it has one
    uint64_t warmup = 0;
    uint64_t cooldown = 0;
};

// Adds the circuits a workout becomes to `into`, every one checked before any
// is added: a workout beyond the limits gets the note why, under `workout`,
// and adds nothing. Returns whether they were added.
bool addworkout(PeerImport& into, const std::string& workout,
                const std::vector<CircuitDraft>& parts);

// A step as a workout of parts plays it (a JAWT exercise, a TimeR Machine step).
struct PeerItem {
    std::string name;
    uint64_t seconds = 0;
    bool rest = false;
};
// Adds an item to a part's: rests one after another add up to one rest, so
// a part holds at most one more rest than exercises however it was written.
void additem(std::vector<PeerItem>& items, PeerItem item);

// A part: its items played `rounds` times in a row; a rest at its end is the
// rest between rounds and plays after the last round too.
struct PeerBlock {
    uint64_t rounds = 1;
    std::vector<PeerItem> items;
};

// A workout of parts as circuits, added to `into` (see addworkout). Where
// `edges` holds, a first part of one round holding one exercise becomes the
// warm-up, a last one the cool-down, added to `warmup` and `cooldown`. Parts
// of one round after one another join; each other part is a circuit of its
// own: "Name 1", "Name 2" and a note. Parts without exercises are passed
// over. Returns whether the workout was added.
bool addpartsworkout(PeerImport& into, const std::string& workout, std::vector<PeerBlock> parts,
                     uint64_t warmup, uint64_t cooldown, bool edges = true);

// Parts of one round next to one another as one part.
void joinoneroundparts(std::vector<PeerBlock>& parts);

// The exercises of a part, of parts.
uint64_t exercisesof(const PeerBlock& part);
uint64_t exercisesof(const std::vector<PeerBlock>& parts);

// A note of `id` with its words.
PeerNote note(PeerNoteId id, std::vector<std::string> args);

} // namespace peers
