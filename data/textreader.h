#pragma once

#include "data/lineblocks.h"

#include <cstdint>
#include <string>
#include <string_view>

// A reading place in a text held in memory, and the reading itself: lines end
// at LF, CR LF or a lone CR, and reading past the end gives empty lines and
// zero numbers rather than an error. It points into text it does not own.
//
// Line ends are found a 64-byte block at a time, a bit per byte (LineBlock),
// so a line starts without waiting for a search from where the last one
// ended. A loader keeps its cursor in a local variable: then the reading place
// stays in registers while the loader copies texts. `Blocks` says how a block
// is looked at (NarrowLineBlocks, or WideLineBlocks in code built for it).
class LineCursor final {
public:
    LineCursor() = default;
    LineCursor(const char* text, const char* stop) : m_stop(stop) { seat(text); }

    bool atEnd() const { return m_pos >= m_stop; }

    // True when only blanks and line breaks remain.
    bool onlyBlanksRemain() const {
        for (const char* at = m_pos; at < m_stop; ++at)
            if (static_cast<unsigned char>(*at) > ' ')
                return false;
        return true;
    }

    // The next line without its line end; "" past the end.
    template <typename Blocks = NarrowLineBlocks>
    [[gnu::always_inline]] std::string_view readLineView();

    // A decimal number: skips blanks and line breaks, takes up to 32 characters
    // up to the next character at or below the space, then skips the rest of
    // that line. "12 and text" reads 12; past the end reads 0. The value wraps
    // to 64 bits; callers keep the low 32 or 8 bits. Raises IoError("Invalid
    // numeric input") when the characters are not a decimal integer; where
    // the reading then stands is not defined, so a caller gives up the text.
    template <typename Blocks = NarrowLineBlocks> [[gnu::always_inline]] uint64_t readNumber();
    // The same, also giving the text after the number on its line:
    // "20 rounds=8" reads 20 and gives " rounds=8"; "20" gives "".
    uint64_t readNumber(std::string_view& after);

    // Skips one line; true when there was one to skip.
    bool skipLine() {
        if (atEnd())
            return false;
        readLineView();
        return true;
    }

    // Skips every line left and tells how many there were: "a\nb" and "a\nb\n"
    // are two, "a\n\n" is two (the second one blank), and so is "a\rb".
    int64_t skipRemainingLines() {
        int64_t lines = 0;
        while (skipLine())
            ++lines;
        return lines;
    }

private:
    // The block starting at `at`, not inlined: for the rare paths, which keeps
    // the loop small.
    static LineBlock firstLineBlock(const char* at, const char* stop);

    // Puts the reading place at `at`, the first block starting there. `at` is
    // where a line starts, never between a CR and its LF.
    void seat(const char* at) {
        m_pos = at;
        m_block = at;
        const LineBlock block = firstLineBlock(at, m_stop);
        m_ends = block.ends;
        m_pairs = block.pairs;
    }

    // readNumber's general case, from the start of the number's first line.
    struct NumberRead {
        uint64_t value;
        const char* next;     // where the line after the number's starts
        const char* tokenEnd; // where the number's characters end
        const char* lineEnd;  // where the number's line ends, before its break
    };
    static NumberRead readNumberFrom(const char* start, const char* stop);

    const char* m_pos = nullptr;
    const char* m_stop = nullptr;
    // The block at m_block, with only the line ends at or after m_pos left.
    const char* m_block = nullptr;
    uint64_t m_ends = 0;
    uint64_t m_pairs = 0;
};

// Reads a text file the way the program's files are read: the whole file is
// taken into memory and a UTF-8 byte-order mark at its start is skipped; the
// reading itself is a LineCursor's.
class TextReader final {
public:
    // Raises IoError ("File not found", ...) when the file cannot be read.
    explicit TextReader(const std::string& path);
    // A text already in memory, read as if it were the file at `path` from
    // its line `firstLine` on: a circuit carried inside another file is
    // checked by the circuit reader and its problems name the outer file's lines.
    TextReader(std::string bytes, const std::string& path, int64_t firstLine);
    // The path the file was read from, for messages about its contents.
    const std::string& path() const { return m_path; }
    // The line of the file (from 1) that holds the byte at `at`, a place in bytes().
    int64_t lineNumberOf(const char* at) const;
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    // A cursor at the reader's place, for a loader to keep as its own; it
    // stays valid while the reader lives, and the reader's place does not move.
    LineCursor lines() const { return m_lines; }
    // The whole file as read, a byte-order mark included; the cursors' lines
    // point into it, so a line's place in the file is its distance from here.
    const std::string& bytes() const { return m_bytes; }

    bool atEnd() const { return m_lines.atEnd(); }
    std::string readLine() { return std::string(m_lines.readLineView()); }
    // Reuses the string's storage: a reload then allocates nothing.
    void readLine(std::string& into) { into.assign(m_lines.readLineView()); }
    uint64_t readNumber() { return m_lines.readNumber(); }
    uint64_t readNumber(std::string_view& after) { return m_lines.readNumber(after); }
    int64_t skipRemainingLines() { return m_lines.skipRemainingLines(); }

private:
    void seatAfterMark();

    std::string m_path;
    std::string m_bytes;
    LineCursor m_lines;
    int64_t m_firstLine = 1;
};

// The line reading is the loaders' inner loop; it is kept here so it inlines.

template <typename Blocks>
[[gnu::always_inline]] inline std::string_view LineCursor::readLineView() {
    // Past the end no line end is left, and the loop gives "".
    const char* const start = m_pos;
    while (m_ends == 0) {
        if (m_stop - m_block <= 64) {
            m_pos = m_stop; // the last line has no line end
            return std::string_view(start, static_cast<size_t>(m_stop - start));
        }
        m_block += 64;
        // A CR ending the last block whose LF starts this one has ended its line.
        const LineBlock next = Blocks::of(m_block, m_stop, (m_pairs >> 63) != 0);
        m_ends = next.ends;
        m_pairs = next.pairs;
    }
    const auto bit = static_cast<unsigned>(__builtin_ctzll(m_ends));
    m_ends &= m_ends - 1;
    const char* const end = m_block + bit;
    m_pos = end + 1 + ((m_pairs >> bit) & 1);
    return std::string_view(start, static_cast<size_t>(end - start));
}

// The value of a line of 1 to 19 decimal digits (which cannot overflow);
// false for any other line.
[[gnu::always_inline]] inline bool digitsOnly(std::string_view line, uint64_t& value) {
    if (line.size() - 1 >= 19)
        return false;
    value = static_cast<unsigned char>(line[0]) - unsigned{'0'};
    if (value > 9)
        return false;
    for (const char c : line.substr(1)) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

template <typename Blocks> [[gnu::always_inline]] inline uint64_t LineCursor::readNumber() {
    const char* const start = m_pos;
    // The common line, nothing but digits, is read as a line.
    uint64_t value = 0;
    if (digitsOnly(readLineView<Blocks>(), value))
        return value;
    const NumberRead read = readNumberFrom(start, m_stop);
    seat(read.next);
    return read.value;
}
