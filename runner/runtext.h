#pragma once

#include <string>
#include <utility>

// A text of the run for the user, named rather than worded: the run logic
// knows no language, so it says which text it means and with what, and
// runner/runwords.cpp words it in the user's language. Names are the user's
// own and go into the words as written.
enum class RunTextId {
    // The status label.
    CircuitName, // the circuit's name, shown as it is loaded: name
    NoExercises,
    Stopped,
    Finished,
    WarmUp,
    CoolDown,
    Next,    // the rest before an exercise: name
    Now,     // a timed exercise: name
    NowReps, // a repetition exercise: reps, name

    // Under the status during an exercise, as Next above names what follows.
    LastExercise, // no exercise follows this one

    // Spoken as a phase begins. With round from 2 on, the round comes first
    // ("Round 2 of 3. Next: Squat").
    SayWarmUp,
    SayCoolDown,
    SayNext,     // name
    SayNextReps, // reps, name ("Next: 15 Push-Up")
    SayName,     // the exercise under way: name alone
    SayReps,     // reps, name ("15 Push-Up")
    SaySwitchSides,
    SayFinished,
};

struct RunText {
    RunText() = default;
    RunText(RunTextId textId, std::string textName = {}, int textReps = 0)
        : id(textId), name(std::move(textName)), reps(textReps) {}

    RunTextId id = RunTextId::CircuitName;
    std::string name; // an exercise's or the circuit's, as written
    int reps = 0;
    int round = 0; // spoken texts: the round announced first, from 2; 0: none
    int rounds = 0;

    friend bool operator==(const RunText&, const RunText&) = default;
};

