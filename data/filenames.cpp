#include "data/filenames.h"

bool isplainfilename(const std::string& name) {
    if (name.empty() || name.find_first_not_of('.') == std::string::npos)
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}
