#include "data/textreader.h"

#include "data/ioerror.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The buffer of the last reader, kept for the next one: reading a circuit or
// the library then allocates no large block, which would also make the
// allocator sweep up every small string just freed. Large files are not kept.
constexpr size_t kKeptBufferLimit = 256 * 1024;
thread_local std::string t_spareBuffer;

void readWholeFile(const std::string& path, std::string& bytes) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw IoError(ioerrortext(path.empty() ? ENOENT : errno, false));
    // Read straight into the string: the file's size is known, and one spare
    // byte shows the end without growing (the file may change while read).
    struct stat info {};
    size_t capacity = 4096;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!regular) {
        // A pipe or a device (a link to /dev/zero never ends) is no text file.
        ::close(fd);
        throw IoError(ioerrortext(EISDIR, false));
    }
    if (info.st_size > 0)
        capacity = static_cast<size_t>(info.st_size) + 1;
    // The old bytes are overwritten by the read, so only growth is zeroed.
    bytes.resize(capacity);
    size_t size = 0;
    for (;;) {
        if (size == bytes.size())
            bytes.resize(bytes.size() * 2);
        const size_t asked = bytes.size() - size;
        const ssize_t got = ::read(fd, bytes.data() + size, asked);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throw IoError(ioerrortext(error, false));
        }
        size += static_cast<size_t>(got);
        // A file that gave all its stated size in a short read is at its end:
        // the read that would return nothing is saved.
        if (info.st_size > 0 && size == static_cast<size_t>(info.st_size) &&
            static_cast<size_t>(got) < asked)
            break;
    }
    ::close(fd);
    bytes.resize(size);
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Where the line holding `at` ends, before its break.
const char* lineEndFrom(const char* at, const char* stop) {
    while (at != stop && *at != '\n' && *at != '\r')
        ++at;
    return at;
}

// Where the line holding `at` ends, and the next one starts.
const char* nextLineStart(const char* at, const char* stop) {
    at = lineEndFrom(at, stop);
    if (at == stop)
        return stop;
    if (*at == '\r' && at + 1 != stop && at[1] == '\n')
        return at + 2; // CR LF
    return at + 1;     // LF, or a lone CR (old Mac line ends)
}

} // namespace

TextReader::TextReader(const std::string& path) : m_path(path) {
    m_bytes.swap(t_spareBuffer);
    readWholeFile(path, m_bytes);
    seatAfterMark();
}

TextReader::TextReader(std::string bytes, const std::string& path, int64_t firstLine)
    : m_path(path), m_bytes(std::move(bytes)), m_firstLine(firstLine) {
    seatAfterMark();
}

void TextReader::seatAfterMark() {
    // Editors on some systems put a byte-order mark in front of UTF-8 text; it
    // is no part of the first line.
    const char* const begin = m_bytes.data();
    const size_t mark = m_bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    m_lines = LineCursor(begin + mark, begin + m_bytes.size());
}

TextReader::~TextReader() {
    if (m_bytes.capacity() <= kKeptBufferLimit && m_bytes.capacity() > t_spareBuffer.capacity())
        t_spareBuffer.swap(m_bytes);
}

int64_t TextReader::lineNumberOf(const char* at) const {
    int64_t line = m_firstLine;
    const char* const begin = m_bytes.data();
    for (const char* c = begin; c < at; ++c) {
        // A CR LF pair ends one line, at its LF.
        if (*c == '\n' || (*c == '\r' && (c + 1 == at || c[1] != '\n')))
            ++line;
    }
    return line;
}

uint64_t LineCursor::readNumber(std::string_view& after) {
    const char* const start = m_pos;
    uint64_t value = 0;
    if (digitsOnly(readLineView(), value)) {
        after = {};
        return value;
    }
    const NumberRead read = readNumberFrom(start, m_stop);
    seat(read.next);
    after = std::string_view(read.tokenEnd, static_cast<size_t>(read.lineEnd - read.tokenEnd));
    return read.value;
}

LineBlock LineCursor::firstLineBlock(const char* at, const char* stop) {
    return at < stop ? NarrowLineBlocks::of(at, stop, false) : LineBlock{0, 0};
}

LineCursor::NumberRead LineCursor::readNumberFrom(const char* at, const char* stop) {
    while (at != stop && isBlank(*at))
        ++at;
    const char* const start = at;
    while (at != stop && !isBlank(*at) && at - start < 32)
        ++at;
    const std::string_view token(start, static_cast<size_t>(at - start));
    // The rest of the number's line goes, its line break included; when that
    // break is what ended the number, only the break goes.
    const char* const lineEnd = lineEndFrom(at, stop);
    const char* const next = nextLineStart(at, stop);

    if (token.empty())
        return {0, next, at, at};
    size_t i = 0;
    bool negative = false;
    if (token[0] == '+' || token[0] == '-') {
        negative = token[0] == '-';
        i = 1;
    }
    if (i == token.size())
        throw IoError("Invalid numeric input");
    uint64_t value = 0;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c < '0' || c > '9')
            throw IoError("Invalid numeric input");
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return {negative ? (~value + 1) : value, next, at, lineEnd};
}
