#pragma once

#include <string>

// `stridewell --export NAME FILE`, `--import FILE` and `--print NAME FILE`:
// done in the data folder already chosen, without a window. Each prints one
// line on stdout per thing done; a refusal is one line on stderr and exit
// status 1, with nothing changed. NAME is a circuit's name (its file's first
// line).
int exportcommand(const std::string& name, const std::string& file);
int importcommand(const std::string& file);
// Words the card in `language` ("" for English).
int printcommand(const std::string& name, const std::string& file, const std::string& language);
