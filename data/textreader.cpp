#include "textreader.h"

#include "ioerror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string readWholeFile(const std::string& path) {
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw IoError(ioerrortext(path.empty() ? ENOENT : errno, false));
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throw IoError(ioerrortext(error, false));
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

} // namespace

TextReader::TextReader(const std::string& path) : m_bytes(readWholeFile(path)) {}

TextReader TextReader::fromBytes(std::string bytes) {
    TextReader reader;
    reader.m_bytes = std::move(bytes);
    return reader;
}

bool TextReader::onlyBlanksRemain() const {
    for (size_t i = m_pos; i < m_bytes.size(); ++i)
        if (!isBlank(m_bytes[i]))
            return false;
    return true;
}

std::string TextReader::readLine() {
    if (atEnd())
        return {};
    const size_t end = m_bytes.find('\n', m_pos);
    size_t lineEnd = end == std::string::npos ? m_bytes.size() : end;
    const size_t next = end == std::string::npos ? m_bytes.size() : end + 1;
    if (end != std::string::npos && lineEnd > m_pos && m_bytes[lineEnd - 1] == '\r')
        --lineEnd;
    std::string line = m_bytes.substr(m_pos, lineEnd - m_pos);
    m_pos = next;
    return line;
}

bool TextReader::skipLine() {
    if (atEnd())
        return false;
    const size_t end = m_bytes.find('\n', m_pos);
    m_pos = end == std::string::npos ? m_bytes.size() : end + 1;
    return true;
}

uint64_t TextReader::readNumber() {
    while (!atEnd() && isBlank(m_bytes[m_pos]))
        ++m_pos;
    const size_t start = m_pos;
    while (!atEnd() && !isBlank(m_bytes[m_pos]) && m_pos - start < 32)
        ++m_pos;
    const std::string token = m_bytes.substr(start, m_pos - start);
    // The rest of the number's line is skipped, unless the number's own line
    // break was what ended it (a bare number line must not swallow the next).
    if (!atEnd() && m_bytes[m_pos] != '\n')
        skipLine();
    else if (!atEnd())
        ++m_pos;

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
