#pragma once

#include <cstdint>
#include <string>

// Reads a text file the way the program's files are read: the whole file is
// taken into memory, a UTF-8 byte-order mark at its start is skipped, lines end
// at LF, CR LF or a lone CR, and reading past the end gives empty lines and
// zero numbers rather than an error.
class TextReader final {
public:
    // Raises IoError ("File not found", ...) when the file cannot be read.
    explicit TextReader(const std::string& path);

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // True when only blanks and line breaks remain.
    bool onlyBlanksRemain() const;

    // The next line without its line end; "" past the end.
    std::string readLine();
    // The same into an existing string, reusing its storage: a reload of the
    // library then allocates nothing.
    void readLine(std::string& into);

    // A decimal number: skips blanks and line breaks, takes up to 32 characters
    // up to the next character at or below the space, then skips the rest of
    // that line. "12 and text" reads 12; past the end reads 0. The value wraps
    // to 64 bits; callers keep the low 32 or 8 bits. Raises IoError("Invalid
    // numeric input") when the characters are not a decimal integer.
    uint64_t readNumber();

    // Skips one line; true when there was one to skip.
    bool skipLine();

    // Skips every line left and tells how many there were: "a\nb" and "a\nb\n"
    // are two, "a\n\n" is two (the second one blank), and so is "a\rb".
    int64_t skipRemainingLines();

private:
    // Where the line from m_pos ends, and where the next one starts.
    void findLineEnd(size_t& end, size_t& next) const;

    std::string m_bytes;
    size_t m_pos = 0;
};
