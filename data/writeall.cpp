#include "data/writeall.h"

#include <cerrno>
#include <unistd.h>

bool writeall(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        // A write that takes nothing of a non-empty request would be asked
        // again for ever; no file does that, so it is reported as failed.
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}
