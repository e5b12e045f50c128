#include "contentserver/contentfolder.h"

#include "data/filenames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;

FolderFile& FolderFile::operator=(FolderFile&& other) noexcept {
    std::swap(m_fd, other.m_fd);
    m_size = other.m_size;
    return *this;
}

FolderFile::~FolderFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

ContentFolder::ContentFolder(fs::path root) : m_root(std::move(root)) {}

std::optional<FolderFile> ContentFolder::openlistfile(const std::string& name) const {
    return openinside(m_root, name);
}

std::optional<FolderFile> ContentFolder::opencircuitfile(const std::string& name) const {
    return openinside(m_root / "circuits", name);
}

std::optional<std::string> ContentFolder::listfile(const std::string& name) const {
    const std::optional<FolderFile> file = openlistfile(name);
    if (!file)
        return std::nullopt;
    std::string bytes(file->size(), '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file->descriptor(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break; // cut short meanwhile
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::optional<FolderFile> ContentFolder::openinside(const fs::path& folder,
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
    // Neither a link nor a pipe put in its place since the check: opening a
    // pipe would wait for a writer.
    FolderFile opened(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK), 0);
    struct stat info {};
    if (opened.descriptor() < 0 || ::fstat(opened.descriptor(), &info) != 0 ||
        !S_ISREG(info.st_mode))
        return std::nullopt;
    // The server's library reads it in blocking mode.
    const int flags = ::fcntl(opened.descriptor(), F_GETFL);
    if (flags < 0 || ::fcntl(opened.descriptor(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return std::nullopt;
    return FolderFile(opened.release(), static_cast<uint64_t>(info.st_size));
}
