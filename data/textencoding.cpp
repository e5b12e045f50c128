#include "data/textencoding.h"

bool isutf8(std::string_view bytes) {
    size_t i = 0;
    const size_t size = bytes.size();
    const auto at = [&bytes](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    while (i < size) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t extra = 0;
        // The second byte's range depends on the lead; the others are 80..BF.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0)
                low = 0xA0; // no overlong forms
            else if (lead == 0xED)
                high = 0x9F; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (size - i <= extra)
            return false;
        if (at(i + 1) < low || at(i + 1) > high)
            return false;
        for (size_t k = 2; k <= extra; ++k)
            if (at(i + k) < 0x80 || at(i + k) > 0xBF)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string asutf8(std::string_view bytes) {
    if (isutf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}
