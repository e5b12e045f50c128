#include "data/contentaddress.h"

#ifndef STRIDEWELL_CONTENT_HOST
#define STRIDEWELL_CONTENT_HOST "localhost"
#endif
#ifndef STRIDEWELL_CONTENT_PORT
#define STRIDEWELL_CONTENT_PORT 80
#endif

const std::string& contenthost() {
    static const std::string host = STRIDEWELL_CONTENT_HOST;
    return host;
}

int contentport() { return STRIDEWELL_CONTENT_PORT; }

std::string contentbaseurl() {
    std::string url = "http://" + contenthost();
    if (contentport() != 80)
        url += ":" + std::to_string(contentport());
    return url;
}

std::string percentencode(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~';
        if (unreserved) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string kinoradexpageaddress(const std::string& exercisename) {
    return contentbaseurl() + "/kinoradex/index.php?show=" + percentencode(exercisename);
}

std::string kinoradexindexaddress() { return contentbaseurl() + "/kinoradex/index.php"; }
