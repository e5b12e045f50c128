#include "editors/circuitinterval.h"

#include <algorithm>
#include <limits>

IntervalRange intervalrange(IntervalField field) {
    return field == IntervalField::Exercise ? IntervalRange{1, 10000} : IntervalRange{1, 100000};
}

bool isintervalinput(const std::string& text) {
    size_t start = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        start = 1;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

uint32_t readinterval(const std::string& text, IntervalRange range) {
    if (!isintervalinput(text))
        return range.minimum;
    const bool negative = !text.empty() && text[0] == '-';
    const size_t start = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (start == text.size())
        return range.minimum; // "", "+" or "-" alone
    if (negative)
        return range.minimum;
    // Saturate instead of overflowing: a long run of digits is simply too big.
    uint64_t value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        value = value * 10 + static_cast<uint64_t>(text[i] - '0');
        if (value > std::numeric_limits<uint32_t>::max())
            return range.maximum;
    }
    return std::clamp(static_cast<uint32_t>(value), range.minimum, range.maximum);
}

std::string intervaltext(uint32_t seconds, IntervalRange range) {
    return std::to_string(std::clamp(seconds, range.minimum, range.maximum));
}
