#include "textreader.h"

#include "ioerror.h"

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
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw IoError(ioerrortext(path.empty() ? ENOENT : errno, false));
    // Read straight into the string: the file's size is known, and one spare
    // byte shows the end without growing (the file may change while read).
    struct stat info {};
    size_t capacity = 4096;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        capacity = static_cast<size_t>(info.st_size) + 1;
    // The old bytes are overwritten by the read, so only growth is zeroed.
    bytes.resize(capacity);
    size_t size = 0;
    for (;;) {
        if (size == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(fd, bytes.data() + size, bytes.size() - size);
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
    }
    ::close(fd);
    bytes.resize(size);
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

} // namespace

TextReader::TextReader(const std::string& path) {
    m_bytes.swap(t_spareBuffer);
    readWholeFile(path, m_bytes);
    // Editors on some systems put a byte-order mark in front of UTF-8 text; it
    // is no part of the first line.
    if (m_bytes.starts_with("\xEF\xBB\xBF"))
        m_pos = 3;
}

TextReader::~TextReader() {
    if (m_bytes.capacity() <= kKeptBufferLimit && m_bytes.capacity() > t_spareBuffer.capacity())
        t_spareBuffer.swap(m_bytes);
}

bool TextReader::onlyBlanksRemain() const {
    const char* const stop = m_bytes.data() + m_bytes.size();
    for (const char* at = m_bytes.data() + m_pos; at != stop; ++at)
        if (!isBlank(*at))
            return false;
    return true;
}

std::string TextReader::readLine() {
    std::string line;
    readLine(line);
    return line;
}

bool TextReader::skipLine() {
    if (atEnd())
        return false;
    size_t end = 0;
    size_t next = 0;
    findLineEnd(end, next);
    m_pos = next;
    return true;
}

int64_t TextReader::skipRemainingLines() {
    int64_t lines = 0;
    while (skipLine())
        ++lines;
    return lines;
}
uint64_t TextReader::readNumber() {
    // Local pointers: the loops then keep their place in registers.
    const char* const begin = m_bytes.data();
    const char* const stop = begin + m_bytes.size();
    const char* at = begin + m_pos;
    // The common line, digits and its line end, is read in one pass.
    {
        const char* digit = at;
        uint64_t value = 0;
        while (digit != stop && digit - at < 32 && *digit >= '0' && *digit <= '9')
            value = value * 10 + static_cast<uint64_t>(*digit++ - '0');
        if (digit != at && digit != stop && (*digit == '\n' || *digit == '\r')) {
            // The digits end at the line break: step over it here (CR LF, LF
            // or a lone CR) without searching for it.
            const bool crlf = *digit == '\r' && digit + 1 != stop && digit[1] == '\n';
            m_pos = static_cast<size_t>(digit - begin) + (crlf ? 2 : 1);
            return value;
        }
    }
    while (at != stop && isBlank(*at))
        ++at;
    const char* const start = at;
    while (at != stop && !isBlank(*at) && at - start < 32)
        ++at;
    const std::string_view token(start, static_cast<size_t>(at - start));
    m_pos = static_cast<size_t>(at - begin);
    // The rest of the number's line goes, its line break included; when that
    // break is what ended the number, only the break goes.
    skipLine();

    if (token.empty())
        return 0;
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
    return negative ? (~value + 1) : value;
}
