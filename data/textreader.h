#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Reads a text file the way the program's files are read: the whole file is
// taken into memory, a UTF-8 byte-order mark at its start is skipped, lines end
// at LF, CR LF or a lone CR, and reading past the end gives empty lines and
// zero numbers rather than an error.
class TextReader final {
public:
    // Raises IoError ("File not found", ...) when the file cannot be read.
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // True when only blanks and line breaks remain.
    bool onlyBlanksRemain() const;

    // The next line without its line end; "" past the end.
    std::string readLine();
    // The same into an existing string, reusing its storage: a reload of the
    // library then allocates nothing.
    void readLine(std::string& into);
    // The same as a view into the reader's own bytes, valid while it lives.
    std::string_view readLineView();

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

// The line reading is the loaders' inner loop; it is kept here so it inlines.

// The first CR or LF from `at`, or `stop`. Lines are short, so a library call
// per line costs more than the search itself: sixteen bytes are looked at a
// time where the processor allows, without a call.
inline const char* findLineBreak(const char* at, const char* stop) {
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n');
    const __m128i carriage = _mm_set1_epi8('\r');
    while (stop - at >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int found = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(chunk, feed), _mm_cmpeq_epi8(chunk, carriage)));
        if (found != 0)
            return at + __builtin_ctz(static_cast<unsigned>(found));
        at += 16;
    }
#endif
    while (at != stop && *at != '\n' && *at != '\r')
        ++at;
    return at;
}

inline void TextReader::findLineEnd(size_t& end, size_t& next) const {
    const char* const begin = m_bytes.data();
    const char* const stop = begin + m_bytes.size();
    const char* const at = findLineBreak(begin + m_pos, stop);
    end = static_cast<size_t>(at - begin);
    if (at == stop)
        next = end;
    else if (*at == '\r' && at + 1 != stop && at[1] == '\n')
        next = end + 2; // CR LF
    else
        next = end + 1; // LF, or a lone CR (old Mac line ends)
}

inline std::string_view TextReader::readLineView() {
    if (atEnd())
        return {};
    size_t end = 0;
    size_t next = 0;
    findLineEnd(end, next);
    const std::string_view line(m_bytes.data() + m_pos, end - m_pos);
    m_pos = next;
    return line;
}

inline void TextReader::readLine(std::string& into) {
    into.assign(readLineView());
}
