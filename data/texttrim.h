#pragma once

#include <string>
#include <string_view>

// The text without the blanks at either end, a blank being a space, a tab, a
// CR or an LF: " 12\r\n" -> "12", "text/plain " -> "text/plain", "\r\n" -> "".
// Blanks inside stay, and so does any other control byte.
std::string_view trimmed(std::string_view text);

// Whether text begins with prefix, ASCII letter case ignored:
// ("Text/HTML; charset=x", "text/html") -> true.
bool startswithnocase(std::string_view text, std::string_view prefix);

// The text with A-Z made a-z, every other byte as it is: names compared
// ignoring letter case the way file names are ("Legs.CIR" -> "legs.cir").
std::string loweredascii(std::string text);
