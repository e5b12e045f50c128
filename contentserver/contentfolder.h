#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The content folder a server publishes:
//   newexercises.lst   the exercise list (three lines per exercise)
//   newcircuits.lst    the circuit list (one file name per line)
//   circuits/<name>    the circuit files
class ContentFolder final {
public:
    explicit ContentFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return m_root; }

    // The bytes of a file directly in the folder, or of a circuit file; none
    // when the file is missing or the name would lead outside the folder
    // ("../exercises.lst", "a/b.cir", "..").
    std::optional<std::string> listfile(const std::string& name) const;
    std::optional<std::string> circuitfile(const std::string& name) const;

private:
    std::optional<std::string> readinside(const std::filesystem::path& folder,
                                          const std::string& name) const;

    std::filesystem::path m_root;
};
