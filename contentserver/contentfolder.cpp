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
    std::error_code baseError;
    std::error_code fileError;
    const fs::path base = fs::weakly_canonical(m_root, baseError);
    const fs::path file = fs::weakly_canonical(folder / name, fileError);
    // An empty base would let every path pass the check below.
    if (baseError || fileError || base.empty() || !fs::is_regular_file(file, fileError))
        return std::nullopt;
    if (std::mismatch(base.begin(), base.end(), file.begin(), file.end()).first != base.end())
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
