#pragma once

#include <string>

// A record's texts are single lines of exercises.lst. Every line break (CR LF,
// CR or LF) becomes one space: "Push\r\nthen\nhold" gives "Push then hold".
std::string exerciseoneline(const std::string& text);
