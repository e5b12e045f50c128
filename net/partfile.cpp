#include "partfile.h"

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
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    // mkstemp makes the file private; a fetched circuit is an ordinary user file.
    ::fchmod(fd, 0644);
    m_fd = fd;
    m_target = target;
    m_temporary = pattern;
    return true;
}

bool PartFile::write(const char* bytes, size_t size) {
    if (m_fd < 0)
        return false;
    while (size > 0) {
        const ssize_t written = ::write(m_fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool PartFile::commit() {
    if (m_fd < 0)
        return false;
    const bool synced = ::fsync(m_fd) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    if (!synced || !closed || std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
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
