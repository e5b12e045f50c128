// TimeR Machine: a backup or a shared timer, {"timers": [...]} with more the
// import passes over (folders, history, schedulers, settings). A timer plays
// its `steps` `loop` times, between a `startStep` and an `endStep`; a step is
// a labelled time in milliseconds, or a group ("step_type": "group") playing
// its own steps `loop` times. Rests are steps labelled as rests; a NOTIFIER
// step is an alert between steps that takes its time, so it is a rest too.
// Timers in the trash folder are not imported.

#include "data/circuitfile.h"
#include "data/peers/peercircuit.h"
#include "data/peers/peerformats.h"

#include <iterator>
#include <utility>

namespace peers {

namespace {

constexpr std::string_view kUntitled = "Workout";
constexpr int64_t kTrashFolder = 2;

struct TimerReading {
    uint64_t zeroLength = 0;
    bool rounded = false;
};

uint64_t secondsOf(const JsonValue& step, TimerReading& reading) {
    const uint64_t milliseconds = countor(step, "length", 0);
    reading.rounded = reading.rounded || milliseconds % 1000 != 0;
    return secondsofmilliseconds(milliseconds);
}

// The parts `steps` make when played `loop` times: a run of steps is a part
// of one round, a group the parts of its own steps. Parts played more than
// once in a row become one part of more rounds where they are one part, else
// follow one another that many times, so every circuit keeps its order.
std::vector<PeerBlock> partsOf(const JsonValue& steps, uint64_t loop, TimerReading& reading) {
    if (!steps.isArray())
        throw Unreadable{};
    std::vector<PeerBlock> parts;
    PeerBlock run;
    for (size_t i = 0; i < steps.size(); ++i) {
        const JsonValue step = steps.item(i);
        if (!step.isObject())
            throw Unreadable{};
        if (textor(step, "step_type", "step") == "group") {
            if (!run.items.empty())
                parts.push_back(std::exchange(run, PeerBlock{}));
            const std::optional<JsonValue> inner = step.find("steps");
            if (!inner || inner->isNull())
                continue;
            std::vector<PeerBlock> group = partsOf(*inner, countor(step, "loop", 1), reading);
            parts.insert(parts.end(), std::make_move_iterator(group.begin()),
                         std::make_move_iterator(group.end()));
            continue;
        }
        const uint64_t seconds = secondsOf(step, reading);
        std::string label = exercisename(textor(step, "label", ""));
        const bool rest = textor(step, "type", "NORMAL") == "NOTIFIER" || isrestname(label);
        if (seconds == 0) {
            reading.zeroLength += rest ? 0 : 1;
            continue;
        }
        additem(run.items, {std::move(label), seconds, rest});
    }
    if (!run.items.empty())
        parts.push_back(std::move(run));
    if (loop == 1 || parts.empty())
        return parts;

    joinoneroundparts(parts);
    std::erase_if(parts,
                  [](const PeerBlock& part) { return part.rounds != 1 && exercisesof(part) == 0; });
    if (parts.size() == 1) {
        parts.front().rounds = multiplysaturated(parts.front().rounds, loop);
        return parts;
    }
    if (loop < 1 || loop > kMaxRounds)
        throw Refused{PeerNoteId::RefusedTooManyRounds, loop, kMaxRounds};
    if (const uint64_t exercises = multiplysaturated(exercisesof(parts), loop);
        exercises > kMaxCircuitExercises)
        throw Refused{PeerNoteId::RefusedTooManyExercises, exercises, kMaxCircuitExercises};
    std::vector<PeerBlock> repeated;
    for (uint64_t round = 0; round < loop; ++round)
        repeated.insert(repeated.end(), parts.begin(), parts.end());
    return repeated;
}

// The length of a start or end step; 0 without one.
uint64_t outerStep(const JsonValue& timer, std::string_view key, TimerReading& reading) {
    const std::optional<JsonValue> step = timer.find(key);
    if (!step || step->isNull())
        return 0;
    if (!step->isObject())
        throw Unreadable{};
    return secondsOf(*step, reading);
}

void readTimer(const JsonValue& timer, size_t place, PeerImport& into) {
    std::string name;
    try {
        if (!timer.isObject())
            throw Unreadable{};
        name = circuitname(textor(timer, "name", kUntitled), kUntitled);
        if (const std::optional<JsonValue> folder = timer.find("folderId");
            folder && folder->integer() == kTrashFolder) {
            into.notes.push_back(note(PeerNoteId::InTrash, {name}));
            return;
        }
        TimerReading reading;
        const std::optional<JsonValue> steps = timer.find("steps");
        const uint64_t loop = countor(timer, "loop", 1);
        std::vector<PeerBlock> parts;
        if (steps && !steps->isNull())
            parts = partsOf(*steps, loop, reading);
        const uint64_t warmup = outerStep(timer, "startStep", reading);
        const uint64_t cooldown = outerStep(timer, "endStep", reading);
        // The first and last parts of a timer played more than once are no
        // warm-up and cool-down: they come back every time.
        if (!addpartsworkout(into, name, std::move(parts), warmup, cooldown, loop == 1))
            return;
        if (reading.zeroLength > 0)
            into.notes.push_back(
                note(PeerNoteId::ZeroLengthLeftOut, {name, std::to_string(reading.zeroLength)}));
        if (reading.rounded)
            into.notes.push_back(note(PeerNoteId::Rounded, {name}));
    } catch (const Unreadable&) {
        into.notes.push_back(note(PeerNoteId::Unreadable, {name, std::to_string(place + 1)}));
    } catch (const Refused& refused) {
        into.notes.push_back(refusalnote(name, refused));
    }
}

} // namespace

bool istimermachine(const JsonValue& root) {
    if (!root.isObject())
        return false;
    const std::optional<JsonValue> timers = root.find("timers");
    return timers && timers->isArray();
}

size_t readtimermachine(const JsonValue& root, PeerImport& into) {
    const JsonValue timers = *root.find("timers");
    for (size_t i = 0; i < timers.size(); ++i)
        readTimer(timers.item(i), i, into);
    return timers.size();
}

} // namespace peers
