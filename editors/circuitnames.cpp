#include "editors/circuitnames.h"

#include "data/apppaths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
char lowered(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

int circuittypeindex(const std::string& circuittype, const TypeWords& words) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& candidate = words[i];
        if (candidate.size() == circuittype.size() &&
            std::equal(candidate.begin(), candidate.end(), circuittype.begin(),
                       [](char a, char b) { return lowered(a) == lowered(b); }))
            return static_cast<int>(i);
    }
    return -1;
}

std::string circuitfilepath(const std::string& name) {
    return circuitsfolder() + name + ".cir";
}

EditorText circuitnameproblem(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find_first_not_of('.') == std::string::npos)
        return {EditorTextId::CircuitNameDotsOnly, {}};
    static const std::string refused = "/\\<>:\"|?*";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return {EditorTextId::CircuitNameControl, {}};
        if (refused.find(c) != std::string::npos)
            return {EditorTextId::CircuitNameCharacter, {std::string(1, c)}};
    }
    return {};
}

bool samecircuitfile(const std::string& first, const std::string& second) {
    if (first == second)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(first, second, error) && !error;
}
