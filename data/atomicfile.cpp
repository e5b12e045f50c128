#include "data/atomicfile.h"

#include "data/ioerror.h"
#include "data/writeall.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kTemporaryPrefix = ".stridewell-";

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The process's file creation mask. The kernel tells it without changing it;
// only where it does not can it be read by setting it, which must happen
// before any other thread runs: for a moment every file created would be
// world-writable.
mode_t readumask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) != 0)
            continue;
        char* end = nullptr;
        const unsigned long mask = std::strtoul(line.c_str() + 6, &end, 8);
        if (end != line.c_str() + 6)
            return static_cast<mode_t>(mask & 0777);
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

mode_t defaultMode() {
    static const mode_t mode = static_cast<mode_t>(0666 & ~readumask());
    return mode;
}

// Read once while the program starts, before main() can start a thread.
[[maybe_unused]] const mode_t g_startupMode = defaultMode();

// The new file keeps the permissions of the one it replaces.
mode_t modeFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return defaultMode();
}

[[noreturn]] void fail(int fd, const std::string& temporary, int error) {
    if (fd >= 0)
        ::close(fd);
    if (!temporary.empty())
        ::unlink(temporary.c_str());
    throw IoError(ioerrortext(error, true));
}

} // namespace

unsigned newfilemode(const std::string& path) { return modeFor(path); }

void writefileatomically(const std::string& path, const std::string& bytes) {
    if (path.empty() || path.back() == '/')
        throw IoError(ioerrortext(ENOENT, true));
    const mode_t mode = modeFor(path);
    std::string temporary = folderOf(path) + kTemporaryPrefix + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(-1, {}, errno);

    if (!writeall(fd, bytes))
        fail(fd, temporary, errno);
    if (::fchmod(fd, mode) != 0)
        fail(fd, temporary, errno);
    if (::fsync(fd) != 0)
        fail(fd, temporary, errno);
    if (::close(fd) != 0)
        fail(-1, temporary, errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        fail(-1, temporary, errno);
}

bool isatomictemporaryname(const std::string& name) {
    if (name.size() != kTemporaryPrefix.size() + 6 || !name.starts_with(kTemporaryPrefix))
        return false;
    for (size_t i = kTemporaryPrefix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

int removeatomictemporaries(const std::string& folder) {
    std::string base = folder;
    if (base.empty() || base.back() != '/')
        base += '/';
    DIR* dir = ::opendir(base.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isatomictemporaryname(entry->d_name))
            continue;
        // A link or a folder of that name is not one of ours.
        const std::string path = base + entry->d_name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}
