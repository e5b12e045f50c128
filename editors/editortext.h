#pragma once

#include <string>
#include <vector>

// What the editors' rules have to tell the user, named rather than worded: the
// frames word each id in the user's language (editors/editorwords.h) and put
// the arguments in as written. Arguments are bytes from a file (a name, a
// type) or numbers written out ("150").
enum class EditorTextId {
    None,
    // Circuit editor; the arguments in brackets, in order.
    CircuitNeedsName,     // the name field is empty
    CircuitNameDotsOnly,  // a name of only dots
    CircuitNameControl,   // a name with a tab or another control character
    CircuitNameCharacter, // a name with a character files elsewhere refuse [character]
    CircuitNameTaken,     // another circuit's file has this name [name]
    CircuitNameKept,      // after a refused name: the circuit keeps this one [name]
    CircuitNothingOpen,   // no circuit was started or opened
    CircuitNeedsType,     // the circuit has no type
    CircuitTooLong,       // its file lists more than a circuit holds [name, count, most]
    CircuitFull,          // no room for another exercise [most]
    // Exercise library editor.
    ExerciseNameWithTab, // a typed or pasted name holds a tab
    LibraryFull,         // no room for another exercise [most]
    LibraryTruncated,    // exercises.lst held more than the library takes [loaded]
    RenameInCircuits,    // question: rename in the circuits that use it too? [count, from, to]
};

// One text: its id and its arguments in the order the comments above give.
// Several texts make one message (a refusal, then what the editor did about
// it), shown one per line.
struct EditorText {
    EditorTextId id = EditorTextId::None;
    std::vector<std::string> args;

    bool empty() const { return id == EditorTextId::None; }
};
using EditorMessage = std::vector<EditorText>;

// What the editors write into the files in the user's language: the name and
// description a new record starts with, and the four designed types the type
// lists offer. Once stored they are data, kept as written.
enum class StoredWord {
    NewCircuit,
    NewExercise,
    NewExerciseDescription,
    UpperBody,
    Abdominal,
    LowerBody,
    MultipleArea,
};

// The designed types in the order the type lists offer them.
inline constexpr StoredWord kTypeWords[] = {StoredWord::UpperBody, StoredWord::Abdominal,
                                            StoredWord::LowerBody, StoredWord::MultipleArea};
inline constexpr int kTypeCount = 4;
