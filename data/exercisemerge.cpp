#include "data/exercisemerge.h"

#include <string>
#include <unordered_set>
#include <utility>

namespace {

// The three texts of an exercise as one key: each text's length, then its
// bytes, so no two different triples give the same key.
std::string exercisekey(const std::string& name, const std::string& extype,
                        const std::string& description) {
    std::string key;
    key.reserve(name.size() + extype.size() + description.size() + 24);
    for (const std::string* text : {&name, &extype, &description}) {
        key += std::to_string(text->size());
        key += ':';
        key += *text;
    }
    return key;
}

// The exercises the table holds, looked up in constant time: a list of a
// megabyte against a full library would otherwise compare every group with
// every slot.
class HeldExercises final {
public:
    explicit HeldExercises(const ExerciseTable& table) {
        for (int slot = 0; slot <= table.librarysize && slot < kExerciseSlots; ++slot) {
            const TExercise& held = table[slot];
            m_keys.insert(exercisekey(held.name, held.extype, held.description));
        }
    }
    bool contains(const std::string& key) const { return m_keys.contains(key); }
    void add(std::string key) { m_keys.insert(std::move(key)); }

private:
    std::unordered_set<std::string> m_keys;
};

} // namespace

ExerciseMerge mergeexerciselist(ExerciseTable& table, LineCursor list) {
    HeldExercises held(std::as_const(table));
    ExerciseMerge merge;
    while (!list.atEnd()) {
        const std::string name(list.readLineView());
        const std::string extype(list.readLineView());
        const std::string description(list.readLineView());
        std::string key = exercisekey(name, extype, description);
        if (held.contains(key))
            continue;
        if (addexercisefromupdate(table, name, extype, description) < 0) {
            merge.libraryFull = true;
            break;
        }
        held.add(std::move(key));
        ++merge.added;
    }
    return merge;
}
