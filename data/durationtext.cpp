#include "data/durationtext.h"

#include <algorithm>

namespace {

// Two digits at least: 5 -> "05", 125 -> "125".
void appendPadded(std::string& text, uint64_t value) {
    if (value < 10)
        text += '0';
    text += std::to_string(value);
}

} // namespace

std::string durationtext(uint64_t seconds) {
    std::string text;
    const uint64_t minutes = seconds / 60;
    // "mm:ss" has room for 99 minutes; from 100 on the hours are said.
    if (minutes >= 100) {
        text = std::to_string(minutes / 60) + ':';
        appendPadded(text, minutes % 60);
    } else {
        appendPadded(text, minutes);
    }
    text += ':';
    appendPadded(text, seconds % 60);
    return text;
}

std::string shortdurationtext(int64_t seconds) {
    seconds = std::max<int64_t>(seconds, 0);
    const auto value = static_cast<uint64_t>(seconds);
    const uint64_t hours = value / 3600;
    std::string text = std::to_string(hours == 0 ? value / 60 : hours) + ':';
    if (hours != 0) {
        appendPadded(text, value / 60 % 60);
        text += ':';
    }
    appendPadded(text, value % 60);
    return text;
}
