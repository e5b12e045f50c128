#pragma once

#include <string>
#include <string_view>

// Text in the program's files is bytes: valid UTF-8 is read as UTF-8 and
// anything else as Latin-1, as the windows show it.

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isutf8(std::string_view bytes);

// The same text as UTF-8: valid UTF-8 as it is, anything else read as Latin-1.
std::string asutf8(std::string_view bytes);
