#include "data/encyclopedianames.h"

#include "data/apppaths.h"
#include "data/datafolder.h"
#include "data/exercises.h"
#include "data/ioerror.h"

#include <filesystem>
#include <memory>

namespace {

template <class Each>
void eachexercise(const std::string& path, Each&& each) {
    auto table = std::make_unique<ExerciseTable>();
    try {
        loadexercises(*table, path);
    } catch (const IoError&) {
        return; // no list, no names: exercises link by their own names
    }
    for (int slot = 0; slot < table->librarysize; ++slot)
        each(table->allslots()[static_cast<size_t>(slot)]);
}

} // namespace

EncyclopediaNames EncyclopediaNames::read(const std::string& starterFolder) {
    EncyclopediaNames names;
    if (starterFolder.empty())
        return names;
    eachexercise(starterFolder + "exercises.lst",
                 [&](const TExercise& record) { names.m_english.emplace(record.number, record.name); });
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(starterFolder, error)) {
        if (!entry.is_directory(error) || entry.path().filename() == "Circuits")
            continue;
        eachexercise(entry.path().string() + "/exercises.lst", [&](const TExercise& record) {
            names.m_translated.emplace(record.number, record.name);
        });
    }
    return names;
}

std::string EncyclopediaNames::pagename(uint32_t number, const std::string& name) const {
    const auto english = m_english.find(number);
    if (english != m_english.end() && m_translated.count({number, name}) != 0)
        return english->second;
    return name;
}

std::string encyclopedianame(uint32_t number, const std::string& name) {
    static const EncyclopediaNames names =
        EncyclopediaNames::read(starterfolder(programfolder()));
    return names.pagename(number, name);
}
