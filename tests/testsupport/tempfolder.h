#pragma once

#include <string>

// A fresh application folder under the system's temporary folder, with an
// empty Circuits folder; removed again with everything in it.
class TempFolder final {
public:
    // Under base when given (memoryfolder(), say), else the system's
    // temporary folder.
    explicit TempFolder(const std::string& base = {});
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; } // ends in "/"

    // Makes this folder the program's application folder.
    void makeApplicationFolder() const;

    void writeFile(const std::string& relativePath, const std::string& bytes) const;
    std::string readFile(const std::string& relativePath) const;
    bool exists(const std::string& relativePath) const;

private:
    std::string m_path;
};

// A folder in memory (tmpfs), where a file's sync costs nothing: benchmarks
// measure the cost of the sync by comparing a folder there with one on disk.
// The system's temporary folder where there is none.
std::string memoryfolder();
