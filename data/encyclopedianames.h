#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

// Kinoradex knows each exercise by its English name. A starter exercise
// seeded in another language links to the page of the English starter
// exercise with its number, as long as it keeps the name it was seeded with;
// every other exercise links by its own name.
class EncyclopediaNames {
public:
    // Reads the English starter library in `starterFolder` and each translated
    // one in a folder inside it ("de/exercises.lst"). A list that cannot be read
    // adds nothing.
    static EncyclopediaNames read(const std::string& starterFolder);

    // The name the encyclopedia knows the exercise by.
    std::string pagename(uint32_t number, const std::string& name) const;

private:
    std::unordered_map<uint32_t, std::string> m_english;
    std::set<std::pair<uint32_t, std::string>> m_translated;
};

// pagename() against the starter data the program brings, read on first use.
std::string encyclopedianame(uint32_t number, const std::string& name);
