#pragma once

#include <string>
#include <vector>

// Reads a text file as lines. A line ends at a line feed or at carriage return
// plus line feed; a last line without an ending still counts, and a line feed
// at the very end adds no empty line ("A\r\nB\n" -> {"A", "B"}; "\n" -> {""}).
// Raises IoError with the runtime's text when the file cannot be read.
std::vector<std::string> readtextlines(const std::string& path);

// The same split, on bytes already in memory.
std::vector<std::string> splittextlines(const std::string& bytes);
