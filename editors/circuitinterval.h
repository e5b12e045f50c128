#pragma once

#include "editors/circuiteditview.h"

#include <cstdint>
#include <string>

// The range of an interval field, in seconds.
struct IntervalRange {
    uint32_t minimum = 1;
    uint32_t maximum = 1;
};

// Exercise interval: 1 .. 10000; rest interval: 1 .. 100000.
IntervalRange intervalrange(IntervalField field);

// The field's number: a whole number (optional sign, then digits) clamped to the
// range; any other text, the empty text included, counts as the minimum.
// "20000" -> 10000 (exercise), "-5" -> 1, "" -> 1, "1e3" -> 1, "0042" -> 42.
uint32_t readinterval(const std::string& text, IntervalRange range);

// What the field shows for a value set into it: the value clamped to the range.
std::string intervaltext(uint32_t seconds, IntervalRange range);

// True for the texts a user may type into an interval field: empty, or an
// optional sign followed by digits.
bool isintervalinput(const std::string& text);
