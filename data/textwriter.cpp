#include "data/textwriter.h"

void appendline(std::string& bytes, const std::string& text) {
    const size_t start = bytes.size();
    bytes += text;
    for (size_t i = bytes.find('\n', start); i != std::string::npos; i = bytes.find('\n', i + 1))
        bytes[i] = ' ';
    bytes += "\r\n";
}
