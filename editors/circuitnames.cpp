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

int circuittypeindex(const std::string& circuittype) {
    for (size_t i = 0; i < kCircuitTypes.size(); ++i) {
        const std::string& candidate = kCircuitTypes[i];
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

std::string circuitnameproblem(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find_first_not_of('.') == std::string::npos)
        return "A circuit name cannot be made of dots only.";
    static const std::string refused = "/\\<>:\"|?*";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return "A circuit name cannot contain control characters such as tabs.";
        if (refused.find(c) != std::string::npos)
            return std::string("A circuit name cannot contain the character ") + c +
                   ". Leave out / \\ < > : \" | ? and *.";
    }
    return {};
}

bool samecircuitfile(const std::string& first, const std::string& second) {
    if (first == second)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(first, second, error) && !error;
}
