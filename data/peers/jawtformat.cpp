// Just Another Workout Timer: one workout object {"title", "sets"}, or a
// backup {"workouts": [...]} of them. A set plays its exercises
// `repetitions` times; a rest is an exercise named "Rest" in the app's
// language; times are whole seconds. Missing and null values take the app's
// own defaults: title "Workout", a set of one round, an exercise "Exercise"
// of 30 seconds.

#include "data/peers/peercircuit.h"
#include "data/peers/peerformats.h"

namespace peers {

namespace {

constexpr std::string_view kUntitled = "Workout";
constexpr std::string_view kUnnamed = "Exercise";
constexpr uint64_t kDefaultDuration = 30;

struct SetReading {
    uint64_t zeroLength = 0; // exercises of 0 seconds, which play nothing
};

PeerBlock readSet(const JsonValue& set, SetReading& reading) {
    if (!set.isObject())
        throw Unreadable{};
    PeerBlock part;
    part.rounds = countor(set, "repetitions", 1);
    const std::optional<JsonValue> exercises = set.find("exercises");
    if (!exercises || exercises->isNull()) {
        part.items.push_back({std::string(kUnnamed), kDefaultDuration, false});
        return part;
    }
    if (!exercises->isArray())
        throw Unreadable{};
    for (size_t i = 0; i < exercises->size(); ++i) {
        const JsonValue exercise = exercises->item(i);
        if (!exercise.isObject())
            throw Unreadable{};
        std::string name = exercisename(textor(exercise, "name", kUnnamed), kUnnamed);
        const uint64_t seconds = countor(exercise, "duration", kDefaultDuration);
        const bool rest = isrestname(name);
        if (seconds == 0) {
            reading.zeroLength += rest ? 0 : 1;
            continue;
        }
        additem(part.items, {std::move(name), seconds, rest});
    }
    return part;
}

void readWorkout(const JsonValue& workout, size_t place, PeerImport& into) {
    std::string name;
    try {
        if (!workout.isObject())
            throw Unreadable{};
        name = circuitname(textor(workout, "title", kUntitled), kUntitled);
        std::vector<PeerBlock> parts;
        SetReading reading;
        const std::optional<JsonValue> sets = workout.find("sets");
        if (!sets || sets->isNull()) {
            parts.push_back({1, {{std::string(kUnnamed), kDefaultDuration, false}}});
        } else {
            if (!sets->isArray())
                throw Unreadable{};
            for (size_t i = 0; i < sets->size(); ++i)
                parts.push_back(readSet(sets->item(i), reading));
        }
        if (addpartsworkout(into, name, std::move(parts), 0, 0) && reading.zeroLength > 0)
            into.notes.push_back(
                note(PeerNoteId::ZeroLengthLeftOut, {name, std::to_string(reading.zeroLength)}));
    } catch (const Unreadable&) {
        into.notes.push_back(note(PeerNoteId::Unreadable, {name, std::to_string(place + 1)}));
    }
}

} // namespace

bool isjawt(const JsonValue& root) {
    if (!root.isObject())
        return false;
    if (const std::optional<JsonValue> workouts = root.find("workouts"))
        return workouts->isArray();
    return root.find("title") && root.find("sets");
}

size_t readjawt(const JsonValue& root, PeerImport& into) {
    const std::optional<JsonValue> workouts = root.find("workouts");
    if (!workouts) {
        readWorkout(root, 0, into);
        return 1;
    }
    for (size_t i = 0; i < workouts->size(); ++i)
        readWorkout(workouts->item(i), i, into);
    return workouts->size();
}

} // namespace peers
