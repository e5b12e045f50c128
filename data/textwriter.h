#pragma once

#include <string>

// Appends one line of a text file, ended by CR LF. A line feed inside the text
// would split the line and shift every line after it, so it is written as a
// blank; nothing else is changed ("a\nb" -> "a b\r\n").
void appendline(std::string& bytes, const std::string& text);
