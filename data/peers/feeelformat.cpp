// Feeel: one workout a file, {"feeelMetadataVersion", "fullWorkout":
// {"workout", "workoutExercises"}}. The workout gives one exercise time and
// one break; each exercise may have its own (null: the workout's), the break
// being the rest before it. The first exercise's own break is the lead-in;
// without one Feeel counts down 5 seconds, which a circuit does not say.
// Exercises are named by ids of Feeel's exercise database; times are whole
// seconds. One pass, no rounds.

#include "data/circuitfile.h"
#include "data/peers/peercircuit.h"
#include "data/peers/peerformats.h"

#include <algorithm>
#include <iterator>

namespace peers {

namespace {

constexpr std::string_view kUntitled = "Workout";
constexpr uint64_t kDefaultWork = 30;
constexpr uint64_t kDefaultBreak = 10;

struct FeeelExercise {
    int64_t id;
    std::string_view name;
};

// English names of the exercises Feeel's own workouts use, from the wger
// exercise data Feeel ships (CC BY-SA 4.0, wger.de and Feeel's contributors).
// 20 also stands for the chair dips of the "Scientific 7 minute workout",
// which Feeel stores under that id.
constexpr FeeelExercise kFeeelExercises[] = {
    {20, "Arnold Shoulder Press"},
    {167, "Crunches"},
    {320, "Jumping Jacks"},
    {458, "Plank"},
    {482, "Push Ups"},
    {580, "Side Plank"},
    {615, "Squats"},
    {718, "Wall Squat"},
    {981, "Step-ups"},
    {983, "High knees"},
    {984, "Lunges"},
    {985, "Push-up rotations"},
    {996, "Mountain climbers"},
    {997, "4-count burpees"},
    {1002, "Child's pose"},
    {1019, "Side plank right"},
};

std::string_view feeelName(int64_t id) {
    const auto* found = std::find_if(std::begin(kFeeelExercises), std::end(kFeeelExercises),
                                     [id](const FeeelExercise& e) { return e.id == id; });
    return found == std::end(kFeeelExercises) ? std::string_view() : found->name;
}

} // namespace

bool isfeeel(const JsonValue& root) {
    return root.isObject() && root.find("feeelMetadataVersion") && root.find("fullWorkout");
}

size_t readfeeel(const JsonValue& root, PeerImport& into) {
    std::string name;
    try {
        const JsonValue full = needobject(root, "fullWorkout");
        const JsonValue workout = needobject(full, "workout");
        name = circuitname(textor(workout, "title", kUntitled), kUntitled);
        const uint64_t work = countor(workout, "exerciseDuration", kDefaultWork);
        const uint64_t rest = countor(workout, "breakDuration", kDefaultBreak);
        const JsonValue exercises = needarray(full, "workoutExercises");

        CircuitDraft draft;
        draft.name = name;
        draft.ownWork = work;
        draft.ownRest = rest;
        std::vector<PeerNote> unknown;
        uint64_t zeroLength = 0;
        uint64_t beyond = 0;
        for (size_t i = 0; i < exercises.size(); ++i) {
            const JsonValue exercise = exercises.item(i);
            if (!exercise.isObject())
                throw Unreadable{};
            const std::optional<JsonValue> idValue = exercise.find("exercise");
            const std::optional<int64_t> id = idValue ? idValue->integer() : std::nullopt;
            if (!id)
                throw Unreadable{};
            const uint64_t own = countor(exercise, "exerciseDuration", work);
            const std::optional<JsonValue> ownBreak = exercise.find("breakDuration");
            const bool hasBreak = ownBreak && !ownBreak->isNull();
            const uint64_t restBefore = hasBreak ? count(*ownBreak) : rest;
            if (own == 0) {
                ++zeroLength;
                continue;
            }
            if (draft.entries.size() >= kMaxCircuitExercises) {
                ++beyond; // only counted: the workout is refused
                continue;
            }
            std::string exerciseName(feeelName(*id));
            if (exerciseName.empty()) {
                exerciseName = "Feeel exercise " + std::to_string(*id);
                PeerNote said =
                    note(PeerNoteId::UnknownExercise, {name, std::to_string(*id), exerciseName});
                if (std::find(unknown.begin(), unknown.end(), said) == unknown.end())
                    unknown.push_back(std::move(said));
            }
            if (draft.entries.empty() && hasBreak)
                draft.leadIn = restBefore;
            draft.entries.push_back({std::move(exerciseName), own, restBefore});
        }
        if (beyond > 0)
            throw Refused{PeerNoteId::RefusedTooManyExercises, draft.entries.size() + beyond,
                          kMaxCircuitExercises};
        if (addworkout(into, name, {draft})) {
            into.notes.insert(into.notes.end(), unknown.begin(), unknown.end());
            if (zeroLength > 0)
                into.notes.push_back(
                    note(PeerNoteId::ZeroLengthLeftOut, {name, std::to_string(zeroLength)}));
        }
    } catch (const Unreadable&) {
        into.notes.push_back(note(PeerNoteId::Unreadable, {name, "1"}));
    } catch (const Refused& refused) {
        into.notes.push_back(refusalnote(name, refused));
    }
    return 1;
}

} // namespace peers
