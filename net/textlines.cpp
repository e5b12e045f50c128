#include "textlines.h"

#include "ioerror.h"

#include <cerrno>
#include <fstream>
#include <iterator>

std::vector<std::string> splittextlines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const bool ended = end != std::string::npos;
        if (!ended)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (ended && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> readtextlines(const std::string& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw IoError(ioerrortext(errno != 0 ? errno : ENOENT, false));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw IoError(ioerrortext(errno != 0 ? errno : EIO, false));
    return splittextlines(bytes);
}
