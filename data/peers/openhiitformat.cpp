// OpenHIIT: a JSON array of timers. A timer plays `activeIntervals` work
// intervals of one `workTime` with one `restTime` between them, `restarts + 1`
// rounds with `breakTime` between rounds (`restTime` when that is 0), and a
// warm-up and a cool-down around them; its work intervals are named by
// `activities`, "Work" where the list is short. `timeSettings` may be an
// object or a string holding one. Versions up to 1.4 wrote another object
// ("title", "numExercises", "exercises" as a string holding a JSON list,
// "exerciseTime", "iterations"), read here too. Times are whole seconds.

#include "data/circuitfile.h"
#include "data/peers/peercircuit.h"
#include "data/peers/peerformats.h"

namespace peers {

namespace {

constexpr std::string_view kUntitled = "Workout";
constexpr std::string_view kMissingName = "Work"; // what OpenHIIT plays for a name it lacks

struct Timer {
    std::string name;
    uint64_t intervals = 0;
    std::vector<std::string> activities;
    uint64_t work = 0;
    uint64_t rest = 0;
    uint64_t roundBreak = 0;
    uint64_t warmup = 0;
    uint64_t cooldown = 0;
    uint64_t restarts = 0;
};

void readNames(const JsonValue& list, std::vector<std::string>& into, uint64_t most) {
    if (!list.isArray())
        throw Unreadable{};
    for (size_t i = 0; i < list.size(); ++i) {
        if (!list.item(i).isString())
            throw Unreadable{};
        if (i < most)
            into.push_back(exercisename(list.item(i).text()));
    }
}

void readTimes(const JsonValue& times, Timer& timer, std::string_view workKey,
               std::string_view restartsKey) {
    timer.work = countor(times, workKey, 0);
    timer.rest = countor(times, "restTime", 0);
    timer.roundBreak = countor(times, "breakTime", 0);
    timer.warmup = countor(times, "warmupTime", 0);
    timer.cooldown = countor(times, "cooldownTime", 0);
    timer.restarts = countor(times, restartsKey, 0);
}

// A timer of 1.5 and later.
Timer readTimer(const JsonValue& object) {
    Timer timer;
    timer.intervals = countor(object, "activeIntervals", 0);
    if (const std::optional<JsonValue> names = object.find("activities"); names && !names->isNull())
        readNames(*names, timer.activities, timer.intervals);
    const std::optional<JsonValue> settings = object.find("timeSettings");
    if (settings && settings->isString()) {
        const JsonRead inner = readjson(settings->text());
        if (!inner || !inner.document->root().isObject())
            throw Unreadable{};
        readTimes(inner.document->root(), timer, "workTime", "restarts");
    } else if (settings && settings->isObject()) {
        readTimes(*settings, timer, "workTime", "restarts");
    } else {
        throw Unreadable{};
    }
    return timer;
}

// A workout of 1.4 and before.
Timer readLegacy(const JsonValue& object) {
    Timer timer;
    timer.intervals = countor(object, "numExercises", 0);
    const std::string_view names = textor(object, "exercises", "");
    if (!names.empty()) {
        const JsonRead inner = readjson(names);
        if (!inner)
            throw Unreadable{};
        readNames(inner.document->root(), timer.activities, timer.intervals);
    }
    readTimes(object, timer, "exerciseTime", "iterations");
    return timer;
}

bool isLegacy(const JsonValue& object) {
    return !object.find("timeSettings") &&
           (object.find("numExercises") || object.find("exerciseTime"));
}

void readEntry(const JsonValue& object, size_t place, PeerImport& into) {
    std::string name;
    try {
        if (!object.isObject())
            throw Unreadable{};
        const bool legacy = isLegacy(object);
        name = circuitname(textor(object, legacy ? "title" : "name", kUntitled), kUntitled);
        const Timer timer = legacy ? readLegacy(object) : readTimer(object);

        const uint64_t rounds = addsaturated(timer.restarts, 1);
        if (rounds > kMaxRounds)
            throw Refused{PeerNoteId::RefusedTooManyRounds, rounds, kMaxRounds};
        // Work intervals of no time are not played.
        const uint64_t exercises = timer.work > 0 ? timer.intervals : 0;
        if (exercises > kMaxCircuitExercises)
            throw Refused{PeerNoteId::RefusedTooManyExercises, exercises, kMaxCircuitExercises};

        CircuitDraft draft;
        draft.name = name;
        draft.rounds = rounds;
        for (size_t i = 0; i < exercises; ++i) {
            const std::string& own =
                i < timer.activities.size() ? timer.activities[i] : std::string();
            draft.entries.push_back(
                {own.empty() ? std::string(kMissingName) : own, timer.work, timer.rest});
        }
        // The rest after the warm-up is the one between exercises, as a
        // circuit's lead-in is: nothing to say about it.
        if (rounds > 1)
            draft.roundRest = timer.roundBreak > 0 ? timer.roundBreak : timer.rest;
        draft.ownWork = timer.work;
        draft.ownRest = timer.rest;
        draft.warmup = timer.warmup;
        draft.cooldown = timer.cooldown;
        if (addworkout(into, name, {draft}) && exercises < timer.intervals)
            into.notes.push_back(
                note(PeerNoteId::ZeroLengthLeftOut, {name, std::to_string(timer.intervals)}));
    } catch (const Unreadable&) {
        into.notes.push_back(note(PeerNoteId::Unreadable, {name, std::to_string(place + 1)}));
    } catch (const Refused& refused) {
        into.notes.push_back(refusalnote(name, refused));
    }
}

} // namespace

bool isopenhiit(const JsonValue& root) {
    if (!root.isArray())
        return false;
    if (root.size() == 0)
        return true; // what OpenHIIT writes when nothing is chosen, and reads as nothing
    const JsonValue first = root.item(0);
    return first.isObject() && (first.find("timeSettings") || isLegacy(first));
}

size_t readopenhiit(const JsonValue& root, PeerImport& into) {
    for (size_t i = 0; i < root.size(); ++i)
        readEntry(root.item(i), i, into);
    return root.size();
}

} // namespace peers
