#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

// A file of the content folder, open for reading; closed with this object
// unless its descriptor has been handed on.
class FolderFile final {
public:
    FolderFile(int fd, uint64_t size) : m_fd(fd), m_size(size) {}
    FolderFile(FolderFile&& other) noexcept : m_fd(other.release()), m_size(other.m_size) {}
    FolderFile& operator=(FolderFile&& other) noexcept;
    ~FolderFile();

    int descriptor() const { return m_fd; }
    uint64_t size() const { return m_size; } // when it was opened
    // The new owner closes it.
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
    uint64_t m_size;
};

// The content folder a server publishes:
//   newexercises.lst   the exercise list (three lines per exercise)
//   newcircuits.lst    the circuit list (one file name per line)
//   circuits/<name>    the circuit files
class ContentFolder final {
public:
    explicit ContentFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return m_root; }

    // A file directly in the folder, or a circuit file; none when the file is
    // missing, is no plain file or the name would lead outside the folder
    // ("../exercises.lst", "a/b.cir", "..").
    std::optional<FolderFile> openlistfile(const std::string& name) const;
    std::optional<FolderFile> opencircuitfile(const std::string& name) const;
    // The bytes of a file directly in the folder, by the same rules.
    std::optional<std::string> listfile(const std::string& name) const;

private:
    std::optional<FolderFile> openinside(const std::filesystem::path& folder,
                                         const std::string& name) const;

    std::filesystem::path m_root;
};
