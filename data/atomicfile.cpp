#include "atomicfile.h"

#include "ioerror.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_sync{true};

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

mode_t defaultMode() {
    // umask can only be read by setting it; do that once, before any thread starts writing.
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

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

void setatomicsync(bool on) { g_sync = on; }

unsigned newfilemode(const std::string& path) { return modeFor(path); }

void writefileatomically(const std::string& path, const std::string& bytes) {
    if (path.empty() || path.back() == '/')
        throw IoError(ioerrortext(ENOENT, true));
    const mode_t mode = modeFor(path);
    std::string temporary = folderOf(path) + ".stridewell-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(-1, {}, errno);

    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail(fd, temporary, errno);
        }
        written += static_cast<size_t>(put);
    }
    if (::fchmod(fd, mode) != 0)
        fail(fd, temporary, errno);
    if (g_sync && ::fsync(fd) != 0)
        fail(fd, temporary, errno);
    if (::close(fd) != 0)
        fail(-1, temporary, errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        fail(-1, temporary, errno);
}
