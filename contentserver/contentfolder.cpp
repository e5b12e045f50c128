#include "contentfolder.h"

#include "filenames.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

ContentFolder::ContentFolder(fs::path root) : m_root(std::move(root)) {}

std::optional<std::string> ContentFolder::listfile(const std::string& name) const {
    return readinside(m_root, name);
}

std::optional<std::string> ContentFolder::circuitfile(const std::string& name) const {
    return readinside(m_root / "circuits", name);
}

std::optional<std::string> ContentFolder::readinside(const fs::path& folder,
                                                     const std::string& name) const {
    if (!isplainfilename(name))
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
