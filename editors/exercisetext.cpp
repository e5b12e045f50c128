#include "editors/exercisetext.h"

std::string exerciseoneline(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows stands for the pair
        line += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return line;
}
