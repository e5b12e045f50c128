#pragma once

#include <string_view>

// The text without the blanks at either end, a blank being a space, a tab, a
// CR or an LF: " 12\r\n" -> "12", "text/plain " -> "text/plain", "\r\n" -> "".
// Blanks inside stay, and so does any other control byte.
std::string_view trimmed(std::string_view text);

// Whether text begins with prefix, ASCII letter case ignored:
// ("Text/HTML; charset=x", "text/html") -> true.
bool startswithnocase(std::string_view text, std::string_view prefix);
