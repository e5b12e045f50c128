#include "contentfolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// One plain file name: no separators, not "." or "..", no control characters.
bool isplainname(const std::string& name) {
    if (name.empty() || name.find_first_not_of('.') == std::string::npos)
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

} // namespace

ContentFolder::ContentFolder(fs::path root) : m_root(std::move(root)) {}

std::optional<std::string> ContentFolder::listfile(const std::string& name) const {
    return readinside(m_root, name);
}

std::optional<std::string> ContentFolder::circuitfile(const std::string& name) const {
    return readinside(m_root / "circuits", name);
}

std::optional<std::string> ContentFolder::readinside(const fs::path& folder,
                                                     const std::string& name) const {
    if (!isplainname(name))
        return std::nullopt;
    // A symbolic link inside the folder must not lead out of it either.
    std::error_code error;
    const fs::path base = fs::weakly_canonical(m_root, error);
    const fs::path file = fs::weakly_canonical(folder / name, error);
    if (error || !fs::is_regular_file(file, error))
        return std::nullopt;
    if (std::mismatch(base.begin(), base.end(), file.begin(), file.end()).first != base.end())
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
