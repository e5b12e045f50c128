#pragma once

#include <cstddef>
#include <string>

// A download's file while it arrives: a temporary file beside the target that
// replaces the target only when the transfer has succeeded. Until commit()
// the target is untouched; a part file that is never committed is removed.
class PartFile final {
public:
    PartFile() = default;
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Creates the temporary file ("<target>.part-XXXXXX"); false when the
    // folder does not exist or cannot be written.
    bool create(const std::string& target);
    bool write(const char* bytes, size_t size);
    // Flushes to disk and renames over the target; on failure the temporary
    // file is removed and the target stays as it was. With replace off, a
    // target that has appeared meanwhile is left alone and the commit fails.
    bool commit(bool replace = true);
    void discard();

private:
    int m_fd = -1;
    std::string m_target;
    std::string m_temporary;
};
