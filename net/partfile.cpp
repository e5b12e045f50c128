#include "net/partfile.h"

#include "data/atomicfile.h"
#include "data/writeall.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PartFile::~PartFile() {
    discard();
}

bool PartFile::create(const std::string& target) {
    discard();
    std::string pattern = target + ".part-XXXXXX";
    // Not inherited by a program started meanwhile (the browser).
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    // mkstemp makes the file private; a fetched file is an ordinary user file.
    ::fchmod(fd, static_cast<mode_t>(newfilemode(target)));
    m_fd = fd;
    m_target = target;
    m_temporary = pattern;
    return true;
}

bool PartFile::write(const char* bytes, size_t size) {
    return m_fd >= 0 && writeall(m_fd, std::string_view(bytes, size));
}

namespace {

// Renames without ever replacing a file that exists at the target.
bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link fails just as well when the target exists.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

} // namespace

bool PartFile::commit(bool replace) {
    if (m_fd < 0)
        return false;
    const bool synced = ::fsync(m_fd) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    const bool renamed = replace ? std::rename(m_temporary.c_str(), m_target.c_str()) == 0
                                 : renameNoReplace(m_temporary, m_target);
    if (!synced || !closed || !renamed) {
        discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

void PartFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}
