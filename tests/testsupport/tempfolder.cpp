#include "tempfolder.h"

#include "data/apppaths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& base) {
    const fs::path parent = base.empty() ? fs::temp_directory_path() : fs::path(base);
    std::string pattern = (parent / "stridewell-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern + "/";
    fs::create_directory(m_path + "Circuits");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests may leave read-only folders behind; open them up before removing.
    for (auto it = fs::recursive_directory_iterator(m_path, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void TempFolder::makeApplicationFolder() const { setapplicationfolder(m_path); }

void TempFolder::writeFile(const std::string& relativePath, const std::string& bytes) const {
    const fs::path target = fs::path(m_path) / relativePath;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::readFile(const std::string& relativePath) const {
    std::ifstream in(fs::path(m_path) / relativePath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempFolder::exists(const std::string& relativePath) const {
    return fs::exists(fs::path(m_path) / relativePath);
}

std::string memoryfolder() {
    std::error_code error;
    if (fs::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path().string();
}
